#include "speech/IpaTranscription.h"

#include "speech/DictionaryIpa.h"
#include "speech/EspeakSession.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace {

const QByteArray kVoice = QByteArrayLiteral("en-gb-x-rp");
const QByteArray kFallbackVoice = QByteArrayLiteral("en-gb");

// Words the Received Pronunciation voice gets wrong (passive as /ˈpɑːsɪv/, export as
// /ˈɪkspɔːt/) and the general British voice gets right.
constexpr std::array<QStringView, 8> kGeneralBritishWords{
    u"asteroid", u"empire", u"exploit", u"export", u"gigantic", u"mantle", u"passive", u"sanction",
};

bool HasLatinLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.isLetter() && c.script() == QChar::Script_Latin; });
}

// The general British voice's transcriptions of those words so far, read under a session.
// Each voice change waits inside the engine until it next synthesises, which a process that
// only transcribes never does: asking the other voice once a word keeps the changes few.
QHash<QString, QString>& GeneralBritishTranscriptions(const EspeakSession& /*held*/) {
    static QHash<QString, QString> transcriptions;
    return transcriptions;
}

QString GeneralBritish(EspeakSession& session, const QString& lower) {
    QHash<QString, QString>& known = GeneralBritishTranscriptions(session);
    if (const auto found = known.constFind(lower); found != known.cend()) {
        return *found;
    }
    if (!session.SelectVoice(kFallbackVoice)) {
        return {};
    }
    return known[lower] = DictionaryIpa(session.Transcribe(lower));
}

} // namespace

QString IpaTranscription(const QString& word) {
    const QString text = word.trimmed();
    if (!HasLatinLetter(text)) {
        return {};
    }
    const QString lower = text.toLower();
    EspeakSession session;
    if (std::ranges::find(kGeneralBritishWords, lower) != kGeneralBritishWords.end()) {
        return GeneralBritish(session, lower);
    }
    if (!session.SelectVoice(kVoice) && !session.SelectVoice(kFallbackVoice)) {
        return {};
    }
    return DictionaryIpa(session.Transcribe(text));
}
