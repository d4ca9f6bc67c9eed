#include "settings/ui/FontAndColour.h"

#include "strings/TextCodec.h"

#include <QFontInfo>

#include <algorithm>
#include <cstdlib>

QFont FontFromLogFont(const LogFontA& logFont) {
    QFont font(DecodeLine(NameField(logFont.lfFaceName)));
    if (logFont.lfHeight != 0) {
        font.setPixelSize(std::abs(logFont.lfHeight));
    }
    if (logFont.lfWeight > 0) {
        font.setWeight(static_cast<QFont::Weight>(std::clamp(logFont.lfWeight, 1, 1000)));
    }
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    return font;
}

void StoreFont(const QFont& font, LogFontA& logFont) {
    SetNameField(logFont.lfFaceName, font.family().toUtf8());
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    logFont.lfHeight = -pixels;
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
