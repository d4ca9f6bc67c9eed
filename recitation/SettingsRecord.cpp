#include "recitation/SettingsRecord.h"

#include "strings/TextCodec.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

LogFontA DefaultWordFont(int screenDpi) {
    LogFontA font{};
    font.lfHeight = MulDiv(16, -screenDpi, 72);
    font.lfWeight = 400;
    font.lfCharSet = 1;           // DEFAULT_CHARSET
    font.lfOutPrecision = 3;      // OUT_STROKE_PRECIS
    font.lfClipPrecision = 2;     // CLIP_STROKE_PRECIS
    font.lfQuality = 1;           // DRAFT_QUALITY
    font.lfPitchAndFamily = 0x22; // VARIABLE_PITCH | FF_SWISS
    SetNameField(font.lfFaceName, "Arial");
    return font;
}

DoubleClickAction DoubleClickActionOf(const SettingsRecord& record) {
    switch (record.doubleClickAction) {
    case 0:
        return DoubleClickAction::DeleteWord;
    case 1:
        return DoubleClickAction::AddToNewWordBook;
    case 2:
        return DoubleClickAction::TogglePause;
    case 3:
        return DoubleClickAction::ReadAgain;
    default:
        return DoubleClickAction::Nothing;
    }
}

QRect QRectOf(const WindowRect& stored) {
    return QRect(stored.left, stored.top, stored.right - stored.left, stored.bottom - stored.top);
}

WindowRect WindowRectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

SettingsRecord DefaultSettings(int screenDpi, const QRect& windowRect) {
    SettingsRecord record{};
    SetNameField(record.libraryFile, "TOEFL.dat");
    SetNameField(record.libraryName, "TOEFL");
    record.textColor = 0x00FFFFFF;
    record.backColor = 0x00FF8000;
    record.barColor = 0x000000FF;
    record.speechOn = true;
    record.showMeaning = true;
    record.showProgressBar = true;
    record.grouping = true;
    record.orderedBrowse = true;
    record.oneLine = false;
    record.fadeInMeaning = true;
    record.confirmActions = true;
    record.alwaysOnTop = true;
    record.wordTimeMs = 5000;
    record.position = 0;
    record.groupNumber = 1;
    record.groupSize = 50;
    record.groupRepeats = 3;
    record.repeatCount = 0;
    record.doubleClickAction = 1;
    record.speechEngineIndex = 0;
    record.windowRect = WindowRectOf(windowRect);
    record.wordFont = DefaultWordFont(screenDpi);
    record.speechModeId = kDefaultSpeechModeId;
    return record;
}

QByteArray RecordBytes(const SettingsRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

SettingsRecord RecordFromBytes(QByteArrayView bytes, const SettingsRecord& fill) {
    SettingsRecord record = fill;
    const auto count = std::min(static_cast<std::size_t>(bytes.size()), sizeof record);
    std::memcpy(&record, bytes.data(), count);
    BringIntoRange(record);
    return record;
}

void SetTextField(char* field, std::size_t capacity, QByteArrayView text) {
    const QByteArrayView fitted = CutToBytes(text, static_cast<qsizetype>(capacity) - 1);
    std::memset(field, 0, capacity);
    std::memcpy(field, fitted.data(), static_cast<std::size_t>(fitted.size()));
}

namespace {

// A field without a NUL inside it is cut so that one fits. It holds the start of a longer text,
// which may end inside a character.
template <std::size_t N> void TerminateField(char (&field)[N]) {
    const QByteArray text(field, static_cast<qsizetype>(qstrnlen(field, N)));
    SetNameField(field,
                 static_cast<std::size_t>(text.size()) < N ? text : WithoutCutOffCharacter(text));
}

void AtLeastOne(std::int32_t& value) {
    value = std::max(value, 1);
}

// Far beyond any desktop, and small enough that no sum of edges and sizes overflows.
constexpr std::int64_t kFarthestWindowEdge = 1 << 20;
constexpr std::int64_t kLongestWindowSide = 1 << 16;

// An edge and the length from it to the opposite edge, brought into range.
void KeepSide(std::int32_t& low, std::int32_t& high) {
    const std::int64_t length =
        std::clamp<std::int64_t>(std::int64_t{high} - low, 0, kLongestWindowSide);
    low = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(low, -kFarthestWindowEdge, kFarthestWindowEdge));
    high = static_cast<std::int32_t>(low + length);
}

} // namespace

void BringIntoRange(SettingsRecord& record) {
    // A font height far beyond any screen would overflow the phonetic font's 9/10.
    constexpr std::int32_t kLargestFontHeight = 32767;
    record.wordFont.lfHeight =
        std::clamp(record.wordFont.lfHeight, -kLargestFontHeight, kLargestFontHeight);
    TerminateField(record.libraryFile);
    TerminateField(record.libraryName);
    TerminateField(record.wordFont.lfFaceName);
    AtLeastOne(record.wordTimeMs);
    AtLeastOne(record.groupSize);
    AtLeastOne(record.groupRepeats);
    AtLeastOne(record.groupNumber);
    record.repeatCount = std::clamp(record.repeatCount, 0, record.groupRepeats - 1);
    KeepSide(record.windowRect.left, record.windowRect.right);
    KeepSide(record.windowRect.top, record.windowRect.bottom);
}

void FitWordFontToScreen(LogFontA& wordFont, int workAreaHeight) {
    const std::int32_t largest = std::max(workAreaHeight / 4, 1);
    wordFont.lfHeight = std::clamp(wordFont.lfHeight, -largest, largest);
}
