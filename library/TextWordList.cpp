#include "library/TextWordList.h"

#include "library/DelimitedRecords.h"
#include "library/HtmlText.h"
#include "library/LineFields.h"
#include "library/PlainRecord.h"
#include "library/PlainWordLine.h"
#include "library/TextListHeader.h"
#include "strings/TextCodec.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace {

enum class Column { Word, Meaning, Phonetic, Metadata, Other };

Column ColumnNamed(QByteArrayView name) {
    static const std::array<std::pair<QStringView, Column>, 27> kNames{{
        {u"word", Column::Word},
        {u"front", Column::Word},
        {u"english", Column::Word},
        {u"term", Column::Word},
        {u"expression", Column::Word},
        {u"vocabulary", Column::Word},
        {u"单词", Column::Word},
        {u"英文", Column::Word},
        {u"meaning", Column::Meaning},
        {u"back", Column::Meaning},
        {u"definition", Column::Meaning},
        {u"translation", Column::Meaning},
        {u"chinese", Column::Meaning},
        {u"释义", Column::Meaning},
        {u"解释", Column::Meaning},
        {u"词义", Column::Meaning},
        {u"中文", Column::Meaning},
        {u"phonetic", Column::Phonetic},
        {u"pronunciation", Column::Phonetic},
        {u"ipa", Column::Phonetic},
        {u"音标", Column::Phonetic},
        {u"发音", Column::Phonetic},
        {u"guid", Column::Metadata},
        {u"notetype", Column::Metadata},
        {u"note type", Column::Metadata},
        {u"deck", Column::Metadata},
        {u"tags", Column::Metadata},
    }};
    const QString text = QString::fromUtf8(name).trimmed().toLower();
    for (const auto& [known, column] : kNames) {
        if (text == known) {
            return column;
        }
    }
    return Column::Other;
}

// Which field of a record is the word, the meaning and the phonetic; -1 for none.
struct ColumnRoles {
    qsizetype word = -1;
    qsizetype meaning = -1;
    qsizetype phonetic = -1;

    EntryColumns columns() const { return {word, meaning, phonetic}; }
};

// The roles that column names give, or nothing when they name no word and no meaning column.
std::optional<ColumnRoles> RolesByName(const QList<QByteArray>& names) {
    ColumnRoles roles;
    for (qsizetype i = 0; i < names.size(); ++i) {
        qsizetype* role = nullptr;
        switch (ColumnNamed(names[i])) {
        case Column::Word:
            role = &roles.word;
            break;
        case Column::Meaning:
            role = &roles.meaning;
            break;
        case Column::Phonetic:
            role = &roles.phonetic;
            break;
        case Column::Metadata:
        case Column::Other:
            break;
        }
        if (role != nullptr && *role < 0) {
            *role = i;
        }
    }
    if (roles.word < 0 || roles.meaning < 0) {
        return std::nullopt;
    }
    return roles;
}

// Word, meaning and phonetic in the order of the columns that are not metadata.
ColumnRoles RolesByPlace(const QList<int>& metadataColumns, const QList<QByteArray>& names) {
    ColumnRoles roles;
    std::array<qsizetype*, 3> next{&roles.word, &roles.meaning, &roles.phonetic};
    std::size_t assigned = 0;
    for (qsizetype column = 0; assigned < next.size(); ++column) {
        const bool metadata =
            metadataColumns.contains(column) ||
            (column < names.size() && ColumnNamed(names[column]) == Column::Metadata);
        if (!metadata) {
            *next[assigned++] = column;
        }
    }
    return roles;
}

// The first line of the text that is not blank, with its line feed; the last line when all are,
// and an empty view at its start when it is empty.
QByteArrayView FirstLine(QByteArrayView text) {
    QByteArrayView line = text.first(0);
    for (qsizetype start = 0; start < text.size() && line.trimmed().isEmpty();) {
        const qsizetype lineFeed = text.indexOf('\n', start);
        const qsizetype end = lineFeed < 0 ? text.size() : lineFeed + 1;
        line = text.sliced(start, end - start);
        start = end;
    }
    return line;
}

// The first of tab, comma and semicolon in the line, where it would hold the word if it were a
// plain one: "apple,苹果" has a comma, "abandon v. 放弃, 抛弃" none. 0 for none.
char SeparatorOfLine(QByteArrayView line) {
    const QByteArrayView word = SplitPlainWordLine(line).word;
    for (const char separator : {'\t', ',', ';'}) {
        if (word.contains(separator)) {
            return separator;
        }
    }
    return 0;
}

// The fields of a line of a list without columns: a library line when it holds a '#', else a
// plain one.
LineFields LineWithoutColumns(QByteArrayView line) {
    return line.contains('#') ? SplitFields(line) : SplitPlainWordLine(line);
}

QByteArrayView Field(const RecordFields& fields, qsizetype column) {
    return column >= 0 && column < std::ssize(fields) ? fields[column] : QByteArrayView();
}

// The record read by DelimitedRecords in the shape PlainRecords gives, any byte to rewrite.
PlainRecord AsPlain(const RecordFields& fields, const ColumnRoles& roles) {
    PlainRecord record;
    record.fields = {Field(fields, roles.word), Field(fields, roles.meaning),
                     Field(fields, roles.phonetic)};
    record.first = Field(fields, 0);
    record.columnCount = std::ssize(fields);
    record.mayRewrite = true;
    return record;
}

// Adds the entry of these fields to the lines. Inline, as it runs for every record.
inline void AddFields(QByteArrayView word, QByteArrayView meaning, QByteArrayView phonetic,
                      bool html, bool mayRewrite, ImportedLines& lines) {
    if (html) {
        lines.Add(PlainTextOfHtml(word), PlainTextOfHtml(meaning), PlainTextOfHtml(phonetic));
    } else if (mayRewrite) {
        lines.Add(word, meaning, phonetic);
    } else {
        lines.AddWithoutRewrites(word, meaning, phonetic);
    }
}

// Adds the record's entry to the lines.
void AddRecord(const PlainRecord& record, bool withoutColumns, bool html, ImportedLines& lines) {
    if (withoutColumns && record.columnCount == 1) {
        const LineFields entry = LineWithoutColumns(record.first);
        AddFields(entry.word, entry.meaning, entry.phonetic, html, record.mayRewrite, lines);
        return;
    }
    // The fields are passed one by one rather than copied together: just written, a record
    // read back in wider pieces than it was written in waits for the writes.
    const auto& [word, meaning, phonetic] = record.fields;
    AddFields(word, meaning, phonetic, html, record.mayRewrite, lines);
}

// The fields of the first record of the text.
QList<QByteArray> FirstRecord(QByteArrayView text, char separator) {
    DelimitedRecords records(text, separator);
    RecordFields fields;
    records.Next(fields);
    QList<QByteArray> copies;
    for (const QByteArrayView field : fields) {
        copies.append(field.toByteArray());
    }
    return copies;
}

} // namespace

bool ReadTextWordList(QByteArrayView text, ImportedLines& lines) {
    // Checked once and whole: the records are split, trimmed and copied as UTF-8.
    if (!IsUtf8(text)) {
        return false;
    }
    const TextListHeader header = ReadTextListHeader(text);
    const QByteArrayView body = text.sliced(header.length);
    const QByteArrayView firstLine = FirstLine(body);
    const char found = header.separator != 0 ? header.separator : SeparatorOfLine(firstLine);
    // A list without columns still has them where a later line holds a tab, as it always had.
    const bool withoutColumns = found == 0;
    const char separator = withoutColumns ? '\t' : found;
    DelimitedRecords records(body, separator);
    RecordFields fields;

    // Column names: the header's, or a first line that names the columns.
    const QList<QByteArray> names = FirstRecord(header.columns, separator);
    std::optional<ColumnRoles> roles = RolesByName(names);
    if (!roles && header.columns.isEmpty()) {
        roles = RolesByName(FirstRecord(body, separator));
        if (roles) {
            records.Next(fields); // the names are no entry
        }
    }
    if (!roles) {
        roles = RolesByPlace(header.metadataColumns, names);
    }

    std::optional<PlainRecords> plain =
        static_cast<unsigned char>(separator) < 0x80
            ? std::optional<PlainRecords>(std::in_place, body, separator, roles->columns())
            : std::nullopt;
    for (qsizetype start = records.position(); start < body.size(); start = records.position()) {
        if (const std::optional<PlainRecord> record = plain ? plain->At(start) : std::nullopt) {
            AddRecord(*record, withoutColumns, header.html, lines);
            records.SkipTo(record->end);
            continue;
        }
        if (records.Next(fields)) {
            AddRecord(AsPlain(fields, *roles), withoutColumns, header.html, lines);
        }
    }
    if (records.unclosedQuoteLine() > 0) {
        lines.SkipUnclosedQuote(text.first(header.length).count('\n') +
                                records.unclosedQuoteLine());
    }
    return true;
}
