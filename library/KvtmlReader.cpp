#include "library/KvtmlReader.h"

#include "library/EnglishText.h"
#include "library/WordListEncoding.h"

#include <QHash>
#include <QList>
#include <QXmlStreamReader>

#include <algorithm>
#include <optional>

namespace {

struct Translation {
    QString identifier;
    QString text;
    QString comment;
    QString pronunciation;
};

struct Entry {
    bool inactive = false;
    QList<Translation> translations;
};

bool IsTrue(const QString& text) {
    return text.trimmed().compare(u"true", Qt::CaseInsensitive) == 0;
}

// The first comment, pronunciation and text of a <translation>; what else it holds (grades,
// examples, conjugations) is passed over.
Translation ReadTranslation(QXmlStreamReader& xml) {
    Translation translation;
    translation.identifier = xml.attributes().value(QLatin1String("id")).toString();
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        QString* field = name == u"text"            ? &translation.text
                         : name == u"comment"       ? &translation.comment
                         : name == u"pronunciation" ? &translation.pronunciation
                                                    : nullptr;
        if (field != nullptr && field->isEmpty()) {
            *field = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else {
            xml.skipCurrentElement();
        }
    }
    return translation;
}

Entry ReadEntry(QXmlStreamReader& xml) {
    Entry entry;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == u"translation") {
            entry.translations.append(ReadTranslation(xml));
        } else if (name == u"inactive" || name == u"deactivated") {
            entry.inactive = entry.inactive || IsTrue(xml.readElementText());
        } else {
            xml.skipCurrentElement();
        }
    }
    return entry;
}

// The identifier's id and its locale.
std::pair<QString, QString> ReadIdentifier(QXmlStreamReader& xml) {
    const QString id = xml.attributes().value(QLatin1String("id")).toString();
    QString locale;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"locale") {
            locale = xml.readElementText().trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
    return {id, locale};
}

QString ReadTitle(QXmlStreamReader& xml) {
    QString title;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"title" && title.isEmpty()) {
            title = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
    return title;
}

struct Document {
    QString title;
    QHash<QString, QString> locales; // by identifier id
    QList<Entry> entries;
};

void ReadDocument(QXmlStreamReader& xml, Document& document) {
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == u"information") {
            document.title = ReadTitle(xml);
        } else if (name == u"identifiers") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"identifier") {
                    const auto [id, locale] = ReadIdentifier(xml);
                    document.locales.insert(id, locale);
                } else {
                    xml.skipCurrentElement();
                }
            }
        } else if (name == u"entries") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"entry") {
                    document.entries.append(ReadEntry(xml));
                } else {
                    xml.skipCurrentElement();
                }
            }
        } else {
            xml.skipCurrentElement(); // lessons, word types and the like
        }
    }
}

qsizetype WordIndex(const Entry& entry, const QHash<QString, QString>& locales) {
    for (qsizetype i = 0; i < entry.translations.size(); ++i) {
        const QString locale = locales.value(entry.translations[i].identifier);
        if (IsEnglishLocale(locale)) {
            return i;
        }
    }
    return 0;
}

// The first translation with a text in another of the file's languages, else the word's
// comment. Translations in a language the file does not declare are strays and left alone.
QString Meaning(const Entry& entry, qsizetype word, const QHash<QString, QString>& locales) {
    const QString& wordIdentifier = entry.translations[word].identifier;
    for (const Translation& translation : entry.translations) {
        if (translation.identifier != wordIdentifier && locales.contains(translation.identifier) &&
            !translation.text.trimmed().isEmpty()) {
            return translation.text;
        }
    }
    return entry.translations[word].comment;
}

void AddEntry(const Entry& entry, const QHash<QString, QString>& locales, ImportedLines& lines) {
    if (entry.inactive) {
        lines.Skip(SkipReason::Inactive);
        return;
    }
    if (entry.translations.isEmpty()) {
        return; // nothing in it at all
    }
    const qsizetype word = WordIndex(entry, locales);
    const Translation& translation = entry.translations[word];
    lines.Add(translation.text.toUtf8(), Meaning(entry, word, locales).toUtf8(),
              translation.pronunciation.toUtf8(), locales.value(translation.identifier));
}

// The line of the first byte that is not UTF-8, or 0 when there is none.
qint64 FirstLineNotUtf8(QByteArrayView bytes) {
    qint64 line = 1;
    for (qsizetype start = 0; start < bytes.size(); ++line) {
        const qsizetype lineFeed = bytes.indexOf('\n', start);
        const qsizetype end = lineFeed < 0 ? bytes.size() : lineFeed + 1;
        if (!bytes.sliced(start, end - start).isValidUtf8()) {
            return line;
        }
        start = end;
    }
    return 0;
}

// Where a file in UTF-8, as declared or by default, holds bytes that are not, or 0. The
// reader would take them as U+FFFD and pass silently over words it cannot read.
qint64 EncodingErrorLine(QStringView declaredEncoding, const QByteArray& bytes) {
    const bool utf8 =
        declaredEncoding.isEmpty() || declaredEncoding.compare(u"UTF-8", Qt::CaseInsensitive) == 0;
    const std::optional<ByteOrderMark> mark = ByteOrderMarkOf(bytes);
    const bool otherMark = mark && mark->encoding != QStringConverter::Utf8;
    return utf8 && !otherMark ? FirstLineNotUtf8(bytes) : 0;
}

} // namespace

bool IsKvtml(const QByteArray& bytes) {
    // The root element comes first, after the declarations: the start is enough. It is looked
    // at as text, so that a file with a fault further on still counts as KVTML and the reader
    // can tell where the fault is.
    constexpr qsizetype kStart = 4096;
    const std::optional<QByteArray> start =
        WordListAsUtf8(bytes.first(std::min(bytes.size(), kStart)));
    return start && start->trimmed().startsWith('<') && start->contains("<kvtml");
}

KvtmlContents ReadKvtml(const QByteArray& bytes, ImportedLines& lines) {
    QXmlStreamReader xml(bytes);
    KvtmlContents contents;
    // The declaration's encoding is known only while the reader is on it.
    const QString declaredEncoding = xml.readNext() == QXmlStreamReader::StartDocument
                                         ? xml.documentEncoding().toString()
                                         : QString();
    if (const qint64 line = EncodingErrorLine(declaredEncoding, bytes); line > 0) {
        contents.error = ImportError::Malformed;
        contents.errorLine = line;
        return contents;
    }
    if (!xml.readNextStartElement() || xml.name() != u"kvtml") {
        contents.error = ImportError::NotWordList;
        return contents;
    }
    // Version 1 files have no version or an older one, and another structure.
    if (!xml.attributes().value(QLatin1String("version")).startsWith(u'2')) {
        contents.error = ImportError::OldKvtml;
        return contents;
    }
    Document document;
    ReadDocument(xml, document);
    if (xml.hasError()) {
        contents.error = ImportError::Malformed;
        contents.errorLine = xml.lineNumber();
        return contents;
    }
    contents.title = document.title;
    for (const Entry& entry : document.entries) {
        AddEntry(entry, document.locales, lines);
    }
    return contents;
}
