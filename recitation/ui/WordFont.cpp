#include "recitation/ui/WordFont.h"

#include <QFontDatabase>

QFont PhoneticFont(const LogFontA& wordFont, const QString& family, qreal scale) {
    QFont font(family);
    const int height = 9 * wordFont.lfHeight / 10;
    if (height != 0) {
        font.setPixelSize(ScaledPixels(height, scale));
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
