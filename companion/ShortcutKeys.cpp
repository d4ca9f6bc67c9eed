#include "companion/ShortcutKeys.h"

#include <QStringList>

#include <array>
#include <utility>

namespace {

constexpr std::uint16_t kShift = 1;
constexpr std::uint16_t kControl = 4;
constexpr std::uint16_t kAlt = 8;   // Mod1
constexpr std::uint16_t kMeta = 64; // Mod4, the Super key

constexpr std::array<std::pair<const char*, std::uint16_t>, 4> kModifiers{{
    {"ctrl", kControl},
    {"alt", kAlt},
    {"shift", kShift},
    {"meta", kMeta},
}};

// X key symbols of the named keys (X11/keysymdef.h).
constexpr std::array<std::pair<const char*, std::uint32_t>, 20> kNamedKeys{{
    {"space", 0x0020},  {"tab", 0xff09},    {"return", 0xff0d}, {"enter", 0xff0d},
    {"escape", 0xff1b}, {"esc", 0xff1b},    {"insert", 0xff63}, {"ins", 0xff63},
    {"delete", 0xffff}, {"del", 0xffff},    {"home", 0xff50},   {"end", 0xff57},
    {"pgup", 0xff55},   {"pgdown", 0xff56}, {"pause", 0xff13},  {"print", 0xff61},
    {"left", 0xff51},   {"up", 0xff52},     {"right", 0xff53},  {"down", 0xff54},
}};

std::optional<std::uint32_t> KeySymbol(const QString& name) {
    if (name.size() == 1 && name.at(0).isLetterOrNumber() && name.at(0).unicode() < 0x80) {
        return name.at(0).toLower().unicode(); // letters and digits are their Latin-1 codes
    }
    if (name.size() >= 2 && name.at(0) == u'f') {
        bool isNumber = false;
        const int number = name.sliced(1).toInt(&isNumber);
        if (isNumber && number >= 1 && number <= 24) {
            return 0xffbe + number - 1; // XK_F1 onwards
        }
    }
    for (const auto& [keyName, symbol] : kNamedKeys) {
        if (name == QLatin1String(keyName)) {
            return symbol;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<X11Shortcut> ParseShortcut(const QString& text) {
    QStringList parts = text.trimmed().toLower().split(u'+');
    if (text.trimmed().endsWith(u'+')) {
        return std::nullopt; // "Ctrl++": a plus key is not among the keys read
    }
    const std::optional<std::uint32_t> key = KeySymbol(parts.takeLast().trimmed());
    if (!key) {
        return std::nullopt;
    }
    X11Shortcut shortcut{*key, 0};
    for (const QString& part : parts) {
        bool known = false;
        for (const auto& [name, mask] : kModifiers) {
            if (part.trimmed() == QLatin1String(name)) {
                shortcut.modifiers |= mask;
                known = true;
            }
        }
        if (!known) {
            return std::nullopt;
        }
    }
    return shortcut;
}
