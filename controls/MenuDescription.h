#pragma once

#include <QImage>
#include <QList>
#include <QString>

// One item of a menu that a CBmpMenu shows: a command row, a separator, or a row that opens a
// sub-menu. Texts carry "&" before their mnemonic letter; a shortcut after padding spaces is
// drawn in a column of its own (SplitMenuText, MenuLayout.h).
struct MenuItem {
    enum class Type { Command, Separator, SubMenu };

    Type type = Type::Command;
    int command = 0; // the command a Command row sends its owner
    QString text;
    bool greyed = false; // drawn grey; never highlighted, never chosen
    bool checked = false;
    QImage checkedPicture;   // shown while checked; none: the standard check mark
    QImage uncheckedPicture; // shown while not checked; none: no picture
    QList<MenuItem> subMenu; // the items of a SubMenu row

    bool CanHighlight() const { return type != Type::Separator && !greyed; }
};

using MenuDescription = QList<MenuItem>;

// The state bits a menuSelect notification carries with a highlighted row.
namespace MenuSelectFlag {
inline constexpr int Greyed = 0x03;
inline constexpr int Checked = 0x08;
inline constexpr int SubMenu = 0x10;
} // namespace MenuSelectFlag

// An owner's answer to a key that matches no mnemonic of a menu.
struct MenuCharAnswer {
    enum class Action { Ignore, CloseAll, Execute };
    Action action = Action::Ignore;
    int command = 0; // for Execute
};
