#include "settings/ui/FontAndColour.h"

#include "strings/TextCodec.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdlib>

qreal ScreenFontScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() / kRecordDpi : 1.0;
}

int ScaledPixels(std::int32_t storedHeight, qreal scale) {
    return std::max(qRound(std::abs(storedHeight) * scale), 1);
}

QFont FontFromLogFont(const LogFontA& logFont, qreal scale) {
    QFont font(DecodeLine(NameField(logFont.lfFaceName)));
    if (logFont.lfHeight != 0) {
        font.setPixelSize(ScaledPixels(logFont.lfHeight, scale));
    }
    if (logFont.lfWeight > 0) {
        font.setWeight(static_cast<QFont::Weight>(std::clamp(logFont.lfWeight, 1, 1000)));
    }
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    return font;
}

void StoreFont(const QFont& font, LogFontA& logFont, qreal scale) {
    SetNameField(logFont.lfFaceName, font.family().toUtf8());
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    if (logFont.lfHeight >= 0 || ScaledPixels(logFont.lfHeight, scale) != pixels) {
        logFont.lfHeight = -std::max(qRound(pixels / scale), 1);
    }
    logFont.lfWeight = font.weight();
    logFont.lfItalic = font.italic() ? 1 : 0;
    logFont.lfUnderline = font.underline() ? 1 : 0;
    logFont.lfStrikeOut = font.strikeOut() ? 1 : 0;
}

QColor ColorFromColorRef(std::uint32_t colorRef) {
    return QColor(RgbFromColorRef(colorRef));
}

std::uint32_t ColorRefFromColor(const QColor& colour) {
    return ColorRefFromRgb(colour.rgb());
}
