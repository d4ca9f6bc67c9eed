#include "library/TextListHeader.h"

#include <array>
#include <optional>
#include <utility>

namespace {

bool IsKeyCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ' || c == '_';
}

// The key and value of a header line, or nothing when the line is not one.
std::optional<std::pair<QByteArray, QByteArrayView>> HeaderLine(QByteArrayView line) {
    if (!line.startsWith('#')) {
        return std::nullopt;
    }
    const qsizetype colon = line.indexOf(':');
    if (colon < 2) {
        return std::nullopt;
    }
    const QByteArrayView key = line.sliced(1, colon - 1);
    for (const char c : key) {
        if (!IsKeyCharacter(c)) {
            return std::nullopt;
        }
    }
    return std::pair{key.trimmed().toByteArray().toLower(), line.sliced(colon + 1)};
}

char Separator(QByteArrayView value) {
    static const std::array<std::pair<QByteArrayView, char>, 6> kNames{{
        {"tab", '\t'},
        {"comma", ','},
        {"semicolon", ';'},
        {"pipe", '|'},
        {"space", ' '},
        {"colon", ':'},
    }};
    const QByteArray name = value.trimmed().toByteArray().toLower();
    for (const auto& [known, separator] : kNames) {
        if (name == known) {
            return separator;
        }
    }
    // A separator written as itself, a tab or a space included.
    if (value.size() == 1 && value[0] != '"' && value[0] != '\r' && value[0] != '\n') {
        return value[0];
    }
    return 0;
}

} // namespace

TextListHeader ReadTextListHeader(QByteArrayView text) {
    TextListHeader header;
    while (header.length < text.size()) {
        const QByteArrayView rest = text.sliced(header.length);
        const qsizetype lineFeed = rest.indexOf('\n');
        const qsizetype lineLength = lineFeed < 0 ? rest.size() : lineFeed + 1;
        QByteArrayView line = rest.first(lineLength);
        while (line.endsWith('\n') || line.endsWith('\r')) {
            line.chop(1);
        }
        const auto keyValue = HeaderLine(line);
        if (!keyValue) {
            break;
        }
        const auto& [key, value] = *keyValue;
        if (key == "separator") {
            header.separator = Separator(value);
        } else if (key == "html") {
            header.html = value.trimmed().compare("true", Qt::CaseInsensitive) == 0;
        } else if (key == "columns") {
            header.columns = value.toByteArray();
        } else if (key.endsWith(" column")) {
            bool ok = false;
            const int column = value.trimmed().toInt(&ok);
            if (ok && column >= 1) {
                header.metadataColumns.append(column - 1);
            }
        }
        header.length += lineLength;
    }
    return header;
}
