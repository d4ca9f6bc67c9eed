#include "library/KvtmlReader.h"

#include "library/BoundedXmlReader.h"
#include "library/EnglishText.h"
#include "library/WordListEncoding.h"
#include "strings/TextCodec.h"

#include <QHash>
#include <QList>

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
Translation ReadTranslation(BoundedXmlReader& reader) {
    Translation translation;
    translation.identifier = reader.xml().attributes().value(QLatin1String("id")).toString();
    while (reader.NextChildElement()) {
        const auto name = reader.xml().name();
        QString* field = name == u"text"            ? &translation.text
                         : name == u"comment"       ? &translation.comment
                         : name == u"pronunciation" ? &translation.pronunciation
                                                    : nullptr;
        if (field != nullptr && field->isEmpty()) {
            *field = reader.ElementText();
        } else {
            reader.SkipElement();
        }
    }
    return translation;
}

Entry ReadEntry(BoundedXmlReader& reader) {
    Entry entry;
    while (reader.NextChildElement()) {
        const auto name = reader.xml().name();
        if (name == u"translation") {
            entry.translations.append(ReadTranslation(reader));
        } else if (name == u"inactive" || name == u"deactivated") {
            entry.inactive = entry.inactive || IsTrue(reader.ElementText());
        } else {
            reader.SkipElement();
        }
    }
    return entry;
}

// The identifier's id and its locale.
std::pair<QString, QString> ReadIdentifier(BoundedXmlReader& reader) {
    const QString id = reader.xml().attributes().value(QLatin1String("id")).toString();
    QString locale;
    while (reader.NextChildElement()) {
        if (reader.xml().name() == u"locale") {
            locale = reader.ElementText().trimmed();
        } else {
            reader.SkipElement();
        }
    }
    return {id, locale};
}

QString ReadTitle(BoundedXmlReader& reader) {
    QString title;
    while (reader.NextChildElement()) {
        if (reader.xml().name() == u"title" && title.isEmpty()) {
            title = reader.ElementText().trimmed();
        } else {
            reader.SkipElement();
        }
    }
    return title;
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

// The file's title and languages, and its entries turned into lines as they are read. An
// entry that comes before the languages are declared waits for them.
class Document {
public:
    explicit Document(ImportedLines& lines) : lines_(lines) {}

    void Read(BoundedXmlReader& reader);
    const QString& title() const { return title_; }

private:
    void ReadIdentifiers(BoundedXmlReader& reader);
    void ReadEntries(BoundedXmlReader& reader);
    void AddWaitingEntries();

    ImportedLines& lines_;
    QString title_;
    QHash<QString, QString> locales_; // by identifier id
    bool localesRead_ = false;
    QList<Entry> waiting_;
};

void Document::Read(BoundedXmlReader& reader) {
    while (reader.NextChildElement()) {
        const auto name = reader.xml().name();
        if (name == u"information") {
            title_ = ReadTitle(reader);
        } else if (name == u"identifiers") {
            ReadIdentifiers(reader);
        } else if (name == u"entries") {
            ReadEntries(reader);
        } else {
            reader.SkipElement(); // lessons, word types and the like
        }
    }
    AddWaitingEntries();
}

void Document::ReadIdentifiers(BoundedXmlReader& reader) {
    while (reader.NextChildElement()) {
        if (reader.xml().name() == u"identifier") {
            const auto [id, locale] = ReadIdentifier(reader);
            locales_.insert(id, locale);
        } else {
            reader.SkipElement();
        }
    }
    localesRead_ = true;
    AddWaitingEntries();
}

void Document::ReadEntries(BoundedXmlReader& reader) {
    while (reader.NextChildElement()) {
        if (reader.xml().name() != u"entry") {
            reader.SkipElement();
        } else if (Entry entry = ReadEntry(reader); localesRead_) {
            AddEntry(entry, locales_, lines_);
        } else {
            waiting_.append(std::move(entry));
        }
    }
}

void Document::AddWaitingEntries() {
    for (const Entry& entry : waiting_) {
        AddEntry(entry, locales_, lines_);
    }
    waiting_.clear();
}

// The line of the first byte that is not UTF-8, or 0 when there is none.
qint64 FirstLineNotUtf8(QByteArrayView bytes) {
    qint64 line = 1;
    for (qsizetype start = 0; start < bytes.size(); ++line) {
        const qsizetype lineFeed = bytes.indexOf('\n', start);
        const qsizetype end = lineFeed < 0 ? bytes.size() : lineFeed + 1;
        if (!IsUtf8(bytes.sliced(start, end - start))) {
            return line;
        }
        start = end;
    }
    return 0;
}

// The same for the rest of a device, read a block of whole lines at a time.
qint64 FirstLineNotUtf8(QIODevice& device) {
    constexpr qint64 kBlock = 1 << 20;
    QByteArray pending;
    for (qint64 linesBefore = 0;;) {
        const QByteArray block = device.read(kBlock);
        pending += block;
        const qsizetype whole = block.isEmpty() ? pending.size() : pending.lastIndexOf('\n') + 1;
        const QByteArrayView lines = QByteArrayView(pending).first(whole);
        if (const qint64 line = FirstLineNotUtf8(lines); line > 0) {
            return linesBefore + line;
        }
        if (block.isEmpty()) {
            return 0;
        }
        linesBefore += lines.count('\n');
        pending.remove(0, whole);
    }
}

// The encoding the XML declaration at the start of the file names, or an empty text.
QString DeclaredEncoding(const QByteArray& start) {
    QXmlStreamReader xml(start);
    return xml.readNext() == QXmlStreamReader::StartDocument ? xml.documentEncoding().toString()
                                                             : QString();
}

// Where a file in UTF-8, as declared or by default, holds bytes that are not, or 0. The
// reader would take them as U+FFFD and pass silently over words it cannot read. Reads the
// device to its end.
qint64 EncodingErrorLine(QIODevice& device) {
    const QByteArray start = device.peek(kKvtmlStart);
    const QString declaredEncoding = DeclaredEncoding(start);
    const bool utf8 =
        declaredEncoding.isEmpty() || declaredEncoding.compare(u"UTF-8", Qt::CaseInsensitive) == 0;
    const std::optional<ByteOrderMark> mark = ByteOrderMarkOf(start);
    const bool otherMark = mark && mark->encoding != QStringConverter::Utf8;
    return utf8 && !otherMark ? FirstLineNotUtf8(device) : 0;
}

} // namespace

bool IsKvtml(const QByteArray& start) {
    // The root element comes first, after the declarations: the start is enough. It is looked
    // at as text, so that a file with a fault further on still counts as KVTML and the reader
    // can tell where the fault is.
    const std::optional<WordListText> text =
        WordListAsUtf8(start.first(std::min(start.size(), kKvtmlStart)));
    return text && text->utf8.trimmed().startsWith('<') && text->utf8.contains("<kvtml");
}

KvtmlContents ReadKvtml(QIODevice& device, ImportedLines& lines) {
    KvtmlContents contents;
    const qint64 begin = device.pos();
    if (const qint64 line = EncodingErrorLine(device); line > 0) {
        contents.error = ImportError::Malformed;
        contents.errorLine = line;
        return contents;
    }
    device.seek(begin);
    BoundedXmlReader reader(&device, kMaxKvtmlDepth);
    if (!reader.NextChildElement() || reader.xml().name() != u"kvtml") {
        contents.error = ImportError::NotWordList;
        return contents;
    }
    // Version 1 files have no version or an older one, and another structure.
    if (!reader.xml().attributes().value(QLatin1String("version")).startsWith(u'2')) {
        contents.error = ImportError::OldKvtml;
        return contents;
    }
    Document document(lines);
    document.Read(reader);
    if (reader.xml().hasError()) {
        contents.error = ImportError::Malformed;
        contents.errorLine = reader.xml().lineNumber();
        return contents;
    }
    contents.title = document.title();
    return contents;
}
