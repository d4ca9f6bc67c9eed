#pragma once

#include "controls/MenuDescription.h"

#include <QChar>
#include <QString>

// The mnemonic of a menu text: the character after its first "&", upper-cased; a null QChar
// when the text has none.
QChar MnemonicOf(const QString& text);

// What a key does in a menu: it matches no row, exactly one row (which is then chosen), or
// several (the highlight moves on to the next of them and nothing is chosen).
struct MnemonicMatch {
    enum class Kind { None, One, Several };
    Kind kind = Kind::None;
    int row = -1; // the row to choose, or to highlight
};

// Matches `key` against the mnemonics of the rows that can be highlighted (separators and
// greyed rows never match). With several matches the row is the first match after the
// `highlighted` row, or the first match when there is none after it or nothing is highlighted
// (-1).
MnemonicMatch MatchMnemonic(const MenuDescription& items, QChar key, int highlighted);
