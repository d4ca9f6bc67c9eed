#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// A shortcut in the X server's terms: a key symbol and the modifier keys held with it.
struct X11Shortcut {
    std::uint32_t keysym = 0;
    std::uint16_t modifiers = 0; // the X modifier mask: Shift 1, Control 4, Mod1 (Alt) 8, Mod4 64
    bool operator==(const X11Shortcut&) const = default;
};

// A shortcut as lexado.conf writes it, in Qt's notation: modifiers Ctrl, Alt, Shift and Meta
// joined by "+" in any order, then one key: a letter, a digit, F1 to F24, Space, Tab, Return,
// Escape, Insert, Delete, Home, End, PgUp, PgDown, Left, Up, Right, Down, Pause or Print.
// Letters match in either case. Nothing for an empty text or one it cannot read.
std::optional<X11Shortcut> ParseShortcut(const QString& text);
