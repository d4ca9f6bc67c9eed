#include "controls/MenuMnemonic.h"

QChar MnemonicOf(const QString& text) {
    const qsizetype amp = text.indexOf(u'&');
    if (amp < 0 || amp + 1 >= text.size()) {
        return {};
    }
    return text.at(amp + 1).toUpper();
}

MnemonicMatch MatchMnemonic(const MenuDescription& items, QChar key, int highlighted) {
    const QChar wanted = key.toUpper();
    int count = 0;
    int first = -1;
    int afterHighlighted = -1;
    for (int row = 0; row < items.size(); ++row) {
        const MenuItem& item = items.at(row);
        if (!item.CanHighlight() || wanted.isNull() || MnemonicOf(item.text) != wanted) {
            continue;
        }
        ++count;
        if (first < 0) {
            first = row;
        }
        if (highlighted >= 0 && row > highlighted && afterHighlighted < 0) {
            afterHighlighted = row;
        }
    }
    if (count == 0) {
        return {};
    }
    if (count == 1) {
        return {MnemonicMatch::Kind::One, first};
    }
    return {MnemonicMatch::Kind::Several, afterHighlighted >= 0 ? afterHighlighted : first};
}
