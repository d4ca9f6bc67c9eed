#include "library/HtmlText.h"

#include <QString>

#include <array>
#include <utility>

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Whether the tag, from its '<' to its '>', ends a line or a block.
bool BreaksLine(QByteArrayView tag) {
    qsizetype i = 1;
    if (i < tag.size() && tag[i] == '/') {
        ++i;
    }
    qsizetype end = i;
    while (end < tag.size() && IsAsciiLetter(tag[end])) {
        ++end;
    }
    const QByteArray name = tag.sliced(i, end - i).toByteArray().toLower();
    static const std::array<QByteArrayView, 12> kBreaking{"br", "p",  "div", "li", "tr", "td",
                                                          "th", "ul", "ol",  "h1", "h2", "h3"};
    for (const QByteArrayView breaking : kBreaking) {
        if (name == breaking) {
            return true;
        }
    }
    return false;
}

// The character a reference such as "amp" or "#233" stands for, or nothing.
QByteArray Character(QByteArrayView reference) {
    static const std::array<std::pair<QByteArrayView, QByteArrayView>, 6> kNamed{{
        {"amp", "&"},
        {"lt", "<"},
        {"gt", ">"},
        {"quot", "\""},
        {"apos", "'"},
        {"nbsp", " "},
    }};
    for (const auto& [name, text] : kNamed) {
        if (reference == name) {
            return text.toByteArray();
        }
    }
    if (reference.size() < 2 || reference[0] != '#') {
        return {};
    }
    const bool hex = reference[1] == 'x' || reference[1] == 'X';
    bool ok = false;
    const uint code = reference.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    const char32_t character = code;
    return QString::fromUcs4(&character, 1).toUtf8();
}

} // namespace

QByteArray PlainTextOfHtml(QByteArrayView html) {
    QByteArray text;
    text.reserve(html.size());
    bool pendingSpace = false;
    auto append = [&](QByteArrayView part) {
        if (pendingSpace && !text.isEmpty()) {
            text.append(' ');
        }
        pendingSpace = false;
        text.append(part);
    };
    for (qsizetype i = 0; i < html.size();) {
        const char c = html[i];
        const QByteArrayView rest = html.sliced(i);
        if (c == '<' && rest.size() > 1 &&
            (IsAsciiLetter(rest[1]) || rest[1] == '/' || rest[1] == '!')) {
            const qsizetype close = rest.indexOf('>');
            const qsizetype length = close < 0 ? rest.size() : close + 1;
            pendingSpace = pendingSpace || BreaksLine(rest.first(length));
            i += length;
            continue;
        }
        if (c == '&') {
            const qsizetype semicolon = rest.indexOf(';');
            if (semicolon > 1 && semicolon <= 10) {
                const QByteArray character = Character(rest.sliced(1, semicolon - 1));
                if (!character.isEmpty()) {
                    if (character == " ") {
                        pendingSpace = true;
                    } else {
                        append(character);
                    }
                    i += semicolon + 1;
                    continue;
                }
            }
        }
        if (IsWhiteSpace(c)) {
            pendingSpace = true;
            ++i;
            continue;
        }
        append(html.sliced(i, 1));
        ++i;
    }
    return text;
}
