#include "controls/StaticText.h"

#include <Qt>

int StaticTextFlags(unsigned style, const QString& text) {
    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    if (style & StaticStyle::LeftNoWordWrap) {
        flags = Qt::AlignLeft | Qt::AlignTop;
    }
    if (style & StaticStyle::Right) {
        flags = Qt::AlignRight | Qt::AlignTop;
    }
    if (style & StaticStyle::Centre) {
        flags = Qt::AlignHCenter | Qt::AlignTop;
    }
    if (style & StaticStyle::CentreImage) {
        flags = text.contains(u'\n') ? Qt::AlignHCenter | Qt::AlignTop
                                     : Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
    }
    return flags;
}

QRect FitRectToText(const QRect& rect, QSize textExtent, unsigned style) {
    QRect fitted = rect;
    if (style & StaticStyle::CentreImage) {
        fitted.moveTop(rect.top() + (rect.height() - textExtent.height()) / 2);
    }
    fitted.setHeight(textExtent.height());
    if (style & StaticStyle::Centre) {
        fitted.moveLeft(rect.left() + (rect.width() - textExtent.width()) / 2);
    } else if (style & StaticStyle::Right) {
        fitted.moveLeft(rect.left() + rect.width() - textExtent.width());
    }
    fitted.setWidth(textExtent.width());
    return fitted;
}
