#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QRect>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// Everything the recitation window remembers between runs, stored byte for byte (212 bytes,
// little-endian, no padding) in Lexado.ini and in every progress file. Booleans are 32-bit
// 0 or 1; colours are 0x00BBGGRR; strings are NUL-terminated byte strings.

// The stored description of a font, laid out as the original platform's LOGFONTA.
struct LogFontA {
    std::int32_t lfHeight; // negative: a character height in pixels
    std::int32_t lfWidth;
    std::int32_t lfEscapement;
    std::int32_t lfOrientation;
    std::int32_t lfWeight; // 400 normal, 700 bold
    std::uint8_t lfItalic;
    std::uint8_t lfUnderline;
    std::uint8_t lfStrikeOut;
    std::uint8_t lfCharSet;
    std::uint8_t lfOutPrecision;
    std::uint8_t lfClipPrecision;
    std::uint8_t lfQuality;
    std::uint8_t lfPitchAndFamily;
    char lfFaceName[32];
};

// A GUID in its usual memory form; names a speech voice.
struct Guid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];

    friend bool operator==(const Guid&, const Guid&) = default;
};

// A switch as it is stored: a 32-bit integer, on when it is not 0. Read as a bool, and written
// as 0 or 1.
class StoredBool {
public:
    constexpr StoredBool() = default;
    constexpr StoredBool(bool on) : value_(on ? 1 : 0) {}
    constexpr operator bool() const { return value_ != 0; }

private:
    std::int32_t value_ = 0;
};

// The window's rectangle as it is stored: right and bottom lie just outside the window. The
// program works with QRect; QRectOf and WindowRectOf convert.
struct WindowRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;

    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

struct SettingsRecord {
    char libraryFile[20]; // file of the current library in data/
    char libraryName[20]; // its display name in the catalogue
    std::uint32_t textColor;
    std::uint32_t backColor;
    std::uint32_t barColor;
    StoredBool speechOn;
    StoredBool showMeaning;
    StoredBool showProgressBar;
    StoredBool grouping;
    StoredBool orderedBrowse; // in order; off: at random
    StoredBool oneLine;
    StoredBool fadeInMeaning;
    StoredBool confirmActions;
    StoredBool alwaysOnTop;
    std::int32_t wordTimeMs;
    std::int32_t position; // the engine's cursor; see RecitationEngine
    std::int32_t groupNumber;
    std::int32_t groupSize;
    std::int32_t groupRepeats;
    std::int32_t repeatCount;
    std::int32_t doubleClickAction; // read through DoubleClickActionOf
    std::int32_t speechEngineIndex;
    WindowRect windowRect;
    LogFontA wordFont;
    Guid speechModeId;
};

inline constexpr std::size_t kSettingsRecordSize = 212;

static_assert(std::endian::native == std::endian::little,
              "the record is stored in memory order, which must be little-endian");
static_assert(sizeof(SettingsRecord) == kSettingsRecordSize);
static_assert(std::is_trivially_copyable_v<SettingsRecord> &&
              std::is_standard_layout_v<SettingsRecord>);
static_assert(sizeof(StoredBool) == 4);
static_assert(sizeof(LogFontA) == 60 && sizeof(Guid) == 16 && sizeof(WindowRect) == 16);
static_assert(offsetof(SettingsRecord, libraryFile) == 0);
static_assert(offsetof(SettingsRecord, libraryName) == 20);
static_assert(offsetof(SettingsRecord, textColor) == 40);
static_assert(offsetof(SettingsRecord, backColor) == 44);
static_assert(offsetof(SettingsRecord, barColor) == 48);
static_assert(offsetof(SettingsRecord, speechOn) == 52);
static_assert(offsetof(SettingsRecord, showMeaning) == 56);
static_assert(offsetof(SettingsRecord, showProgressBar) == 60);
static_assert(offsetof(SettingsRecord, grouping) == 64);
static_assert(offsetof(SettingsRecord, orderedBrowse) == 68);
static_assert(offsetof(SettingsRecord, oneLine) == 72);
static_assert(offsetof(SettingsRecord, fadeInMeaning) == 76);
static_assert(offsetof(SettingsRecord, confirmActions) == 80);
static_assert(offsetof(SettingsRecord, alwaysOnTop) == 84);
static_assert(offsetof(SettingsRecord, wordTimeMs) == 88);
static_assert(offsetof(SettingsRecord, position) == 92);
static_assert(offsetof(SettingsRecord, groupNumber) == 96);
static_assert(offsetof(SettingsRecord, groupSize) == 100);
static_assert(offsetof(SettingsRecord, groupRepeats) == 104);
static_assert(offsetof(SettingsRecord, repeatCount) == 108);
static_assert(offsetof(SettingsRecord, doubleClickAction) == 112);
static_assert(offsetof(SettingsRecord, speechEngineIndex) == 116);
static_assert(offsetof(SettingsRecord, windowRect) == 120);
static_assert(offsetof(SettingsRecord, wordFont) == 136);
static_assert(offsetof(SettingsRecord, wordFont.lfWidth) == 140);
static_assert(offsetof(SettingsRecord, wordFont.lfEscapement) == 144);
static_assert(offsetof(SettingsRecord, wordFont.lfOrientation) == 148);
static_assert(offsetof(SettingsRecord, wordFont.lfWeight) == 152);
static_assert(offsetof(SettingsRecord, wordFont.lfItalic) == 156);
static_assert(offsetof(SettingsRecord, wordFont.lfUnderline) == 157);
static_assert(offsetof(SettingsRecord, wordFont.lfStrikeOut) == 158);
static_assert(offsetof(SettingsRecord, wordFont.lfCharSet) == 159);
static_assert(offsetof(SettingsRecord, wordFont.lfOutPrecision) == 160);
static_assert(offsetof(SettingsRecord, wordFont.lfClipPrecision) == 161);
static_assert(offsetof(SettingsRecord, wordFont.lfQuality) == 162);
static_assert(offsetof(SettingsRecord, wordFont.lfPitchAndFamily) == 163);
static_assert(offsetof(SettingsRecord, wordFont.lfFaceName) == 164);
static_assert(offsetof(SettingsRecord, speechModeId) == 196);
static_assert(offsetof(SettingsRecord, speechModeId.data2) == 200);
static_assert(offsetof(SettingsRecord, speechModeId.data3) == 202);
static_assert(offsetof(SettingsRecord, speechModeId.data4) == 204);

// The speech mode id of a first start: {C77C5170-2867-11D0-847B-444553540000}.
inline constexpr Guid kDefaultSpeechModeId{
    0xC77C5170, 0x2867, 0x11D0, {0x84, 0x7B, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

// What a double-click on the window does, as doubleClickAction stores it (0 to 3); any other
// stored value does nothing.
enum class DoubleClickAction {
    DeleteWord = 0,
    AddToNewWordBook = 1,
    TogglePause = 2,
    ReadAgain = 3,
    Nothing,
};

DoubleClickAction DoubleClickActionOf(const SettingsRecord& record);

// Stored colours are 0x00BBGGRR; QRgb, which QColor is made from and gives, is 0xAARRGGBB.
constexpr std::uint32_t RgbFromColorRef(std::uint32_t colorRef) {
    return 0xFF000000u | (colorRef & 0xFFu) << 16 | (colorRef & 0xFF00u) | (colorRef >> 16 & 0xFFu);
}

constexpr std::uint32_t ColorRefFromRgb(std::uint32_t rgb) {
    return (rgb >> 16 & 0xFFu) | (rgb & 0xFF00u) | (rgb & 0xFFu) << 16;
}

// The window rectangle as the program works with it, and as it is stored. QRectOf takes the
// rectangle of a record brought into range, whose sizes cannot overflow.
QRect QRectOf(const WindowRect& stored);
WindowRect WindowRectOf(const QRect& rect);

// The original platform's MulDiv: a × b / c rounded half away from zero, -1 when c is 0.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// The resolution the stored font height's pixels belong to: a height is kept as the pixels of
// a screen of 96 dots per inch and drawn scaled by the desktop's scaling.
inline constexpr int kRecordDpi = 96;

// The word font of a first start: Arial, 16 points on a screen of this many dots per inch.
LogFontA DefaultWordFont(int screenDpi);

// The record of a first start. The window rectangle is the window's own at that moment.
SettingsRecord DefaultSettings(int screenDpi, const QRect& windowRect);

// The record's 212 stored bytes.
QByteArray RecordBytes(const SettingsRecord& record);

// A record from stored bytes: the leading bytes come from `bytes` (at most 212 of them), the
// rest from `fill`. The result is brought into range.
SettingsRecord RecordFromBytes(QByteArrayView bytes, const SettingsRecord& fill);

// Makes a record read from a file safe to use, so that no arithmetic on it can overflow: the
// name fields and the font's face name end with a NUL within their arrays (cut at a character
// boundary); the time per word, the group size, the number of passes and the group number are
// at least 1; the passes completed are from 0 to one less than the passes per group (more
// completed passes end the group just the same); the window's left and top edges lie within
// 2^20 pixels of the origin and its sides are at most 2^16 pixels long; the font height is
// within ±32767. A record already in range is left as it is.
void BringIntoRange(SettingsRecord& record);

// Keeps the word font's height within a quarter of the height of the screen's work area, so
// that a window of two lines of text in it fits on the screen.
void FitWordFontToScreen(LogFontA& wordFont, int workAreaHeight);

// Stores text in a NUL-terminated field of `capacity` bytes, cut at a character boundary to
// fit, the rest of the field zeroed.
void SetTextField(char* field, std::size_t capacity, QByteArrayView text);

template <std::size_t N> void SetNameField(char (&field)[N], QByteArrayView text) {
    SetTextField(field, N, text);
}

// The text of a NUL-terminated field, without the terminator.
template <std::size_t N> QByteArrayView NameField(const char (&field)[N]) {
    return QByteArrayView(field, static_cast<qsizetype>(qstrnlen(field, N)));
}
