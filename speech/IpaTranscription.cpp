#include "speech/IpaTranscription.h"

#include "speech/DictionaryIpa.h"
#include "speech/EspeakSession.h"

#include <espeak-ng/speak_lib.h>

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

// The engine's own IPA for the text in the voice in force, its clauses joined by a space. The
// session is there to show that the engine is held while it works.
QString Transcribe(const EspeakSession& /*held*/, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    QString ipa;
    const void* rest = utf8.constData();
    // Each call gives the phonemes of one clause and moves on to the next.
    while (rest != nullptr) {
        const char* clause = espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (clause != nullptr && *clause != '\0') {
            if (!ipa.isEmpty()) {
                ipa += u' ';
            }
            ipa += QString::fromUtf8(clause);
        }
    }
    return ipa;
}

} // namespace

QString IpaTranscription(const QString& word) {
    const QString text = word.trimmed();
    if (!HasLatinLetter(text)) {
        return {};
    }
    const QString lower = text.toLower();
    const bool generalBritish = std::find(kGeneralBritishWords.begin(), kGeneralBritishWords.end(),
                                          lower) != kGeneralBritishWords.end();
    EspeakSession session;
    if (generalBritish || !session.SelectVoice(kVoice)) {
        if (!session.SelectVoice(kFallbackVoice)) {
            return {};
        }
    }
    return DictionaryIpa(Transcribe(session, text));
}
