#include "recitation/ui/WordFont.h"

#include "library/TextCodec.h"

#include <QFontDatabase>
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

QFont PhoneticFont(const LogFontA& wordFont, const QString& family) {
    QFont font(family);
    const int height = 9 * wordFont.lfHeight / 10;
    if (height != 0) {
        font.setPixelSize(std::abs(height));
    }
    return font;
}

int InstallPhoneticFont(const QString& resourceFolder) {
    return QFontDatabase::addApplicationFont(resourceFolder +
                                             QStringLiteral("/fonts/Lxdphone.ttf"));
}

void RemovePhoneticFont(int id) {
    if (id >= 0) {
        QFontDatabase::removeApplicationFont(id);
    }
}
