#include "speech/DictionaryIpa.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

constexpr QChar kPrimary = u'ˈ';
constexpr QChar kSecondary = u'ˌ';
constexpr QChar kLong = u'ː';
// Stands for the vowel of "year" while the other "iə" are rewritten.
constexpr QChar kNear = QChar(0xE000);

constexpr QStringView kVowelLetters = u"aeiouyæɑɒɔəɚɛɜɝɞɪʊʌɐɘɵøœɤɯᵻᵿ";
// Consonants written with two letters.
constexpr std::array<QStringView, 2> kAffricates{u"tʃ", u"dʒ"};

// Consonant sequences that can open an English syllable, as the sounds that make them up
// (the affricates are single sounds).
const QList<QStringList>& Onsets() {
    static const QList<QStringList> onsets = [] {
        QList<QStringList> result;
        for (const QChar c : QStringView(u"pbtdkɡfvθðszʃʒhmnlrwj")) {
            result.append({QString(c)});
        }
        for (const QStringView affricate : kAffricates) {
            result.append({affricate.toString()});
        }
        const QString clusters =
            QStringLiteral("pr br tr dr kr ɡr fr θr ʃr pl bl kl ɡl fl sl tw dw kw ɡw sw θw "
                           "pj bj tj dj kj ɡj fj vj θj mj nj lj sj zj hj sp st sk sm sn sf "
                           "spr str skr spl skl skw skj spj stj");
        for (const QString& cluster : clusters.split(u' ')) {
            QStringList sounds;
            for (const QChar c : cluster) {
                sounds.append(QString(c));
            }
            result.append(sounds);
        }
        return result;
    }();
    return onsets;
}

// Inside a word these usually straddle a prefix, and dictionaries split them: dis|miss,
// mis|lead, trans|form, legis|lation.
bool IsWordInitialOnly(const QStringList& cluster) {
    static const QList<QStringList> clusters{{"s", "m"}, {"s", "n"}, {"s", "l"}, {"s", "f"}};
    return clusters.contains(cluster);
}

bool IsStressMark(const QString& sound) {
    return sound == kPrimary || sound == kSecondary;
}

bool IsVowel(const QString& sound) {
    return !sound.isEmpty() && kVowelLetters.contains(sound.front());
}

bool IsSpace(const QString& sound) {
    return sound.size() == 1 && sound.front().isSpace();
}

bool IsConsonant(const QString& sound) {
    return !IsVowel(sound) && !IsStressMark(sound) && !IsSpace(sound);
}

// The transcription as sounds, stress marks and spaces; a length mark belongs to the sound
// before it.
QStringList Sounds(const QString& ipa) {
    QStringList sounds;
    qsizetype i = 0;
    while (i < ipa.size()) {
        const QStringView rest = QStringView(ipa).sliced(i);
        const bool affricate = std::any_of(kAffricates.begin(), kAffricates.end(),
                                           [&](QStringView a) { return rest.startsWith(a); });
        if (affricate) {
            sounds.append(rest.first(2).toString());
            i += 2;
        } else if (ipa[i] == kLong && !sounds.isEmpty()) {
            sounds.back() += kLong;
            ++i;
        } else {
            sounds.append(QString(ipa[i]));
            ++i;
        }
    }
    return sounds;
}

// The number of consonants at the end of the run that open the syllable: the longest tail of
// the run that English lets a syllable begin with.
qsizetype OnsetLength(const QStringList& consonants, bool wordStart) {
    for (qsizetype length = consonants.size(); length > 0; --length) {
        const QStringList cluster = consonants.sliced(consonants.size() - length);
        if (Onsets().contains(cluster) && (wordStart || !IsWordInitialOnly(cluster))) {
            return length;
        }
    }
    return 0;
}

// Moves each stress mark from before its vowel to before the syllable's onset.
QString StressAtSyllableStart(const QString& ipa) {
    QStringList sounds = Sounds(ipa);
    for (qsizetype i = 0; i < sounds.size(); ++i) {
        if (!IsStressMark(sounds[i]) || i + 1 >= sounds.size() || !IsVowel(sounds[i + 1])) {
            continue;
        }
        qsizetype start = i;
        while (start > 0 && IsConsonant(sounds[start - 1])) {
            --start;
        }
        const bool wordStart = start == 0 || IsSpace(sounds[start - 1]);
        const qsizetype onset = OnsetLength(sounds.sliced(start, i - start), wordStart);
        if (onset > 0) {
            sounds.move(i, i - onset);
        }
    }
    return sounds.join(QString());
}

// Keeps one main stress per word, the last, and drops the secondary stresses after it. A
// transcription with secondary stresses only (the engine gives "mˌʌltɪpəl" for a word asked on
// its own) has its last secondary stress made the main one.
QString MainStressLast(QString ipa) {
    if (!ipa.contains(kPrimary)) {
        const qsizetype last = ipa.lastIndexOf(kSecondary);
        if (last >= 0) {
            ipa[last] = kPrimary;
        }
    }
    QStringList words = ipa.split(u' ');
    for (QString& word : words) {
        qsizetype extra = word.count(kPrimary) - 1;
        for (qsizetype i = 0; i < word.size() && extra > 0; ++i) {
            if (word[i] == kPrimary) {
                word[i] = kSecondary;
                --extra;
            }
        }
        const qsizetype main = word.indexOf(kPrimary);
        if (main >= 0) {
            word = word.first(main + 1) + word.sliced(main + 1).remove(kSecondary);
        }
    }
    return words.join(u' ');
}

} // namespace

QString DictionaryIpa(const QString& espeakIpa) {
    // Marks the engine may put between the letters of one sound, or as invisible separators.
    static const QRegularExpression invisible(
        QStringLiteral("[\u0361\u035c\u200b\u200c\u200d\u2060\ufeff]"));
    // The engine announces a switch to another language's rules as "(fr)" ... "(en)".
    static const QRegularExpression languageSwitch(
        QStringLiteral("\\([a-z]{2,3}(?:-[a-z0-9]+)*\\)"));
    // The general British voice's trap vowel.
    static const QRegularExpression trapVowel(QStringLiteral("a(?![ɪʊ])"));
    // The engine marks stress right before the vowel, so a stressed "iə" is the vowel of "year".
    static const QRegularExpression stressedNear(QStringLiteral("([ˈˌ])iə"));
    static const QRegularExpression weakNear(
        QStringLiteral("(?<![aeiouæɑɒɔəɛɜɪʊʌ])ɪə")); // not the end of "aɪə", "ɔɪə"
    // The weak "ɪ" of "happy" and "radiation", which does not follow another vowel.
    static const QRegularExpression weakI(
        QStringLiteral("(?<![aeiouæɑɒɔəɛɜɪʊʌː])ɪ(?=[ˈˌ]?[aeiouæɑɒɔəɜɪʊʌ]|$| )"));
    // The engine lets the "n" of "in-", "en-" and "con-" take on the "ŋ" of a following
    // stressed "k" or "ɡ"; dictionaries keep the "n".
    static const QRegularExpression prefixN(QStringLiteral("(^| )(ɪ|e|kə)ŋ(?=[ˈˌ][kɡ])"));

    QString ipa = espeakIpa;
    ipa.remove(invisible);
    ipa.remove(languageSwitch);
    ipa.replace(u'_', u' '); // pause marks, should a phrase bring any
    ipa = ipa.simplified();
    ipa.replace(trapVowel, QStringLiteral("æ"));
    ipa.replace(u'ɛ', u'e').replace(u'ɐ', u'ə').replace(u'ɹ', u'r');
    ipa.replace(stressedNear, QStringLiteral("\\1") + kNear);
    ipa.replace(weakNear, QStringLiteral("iə"));
    ipa.replace(weakI, QStringLiteral("i"));
    ipa.replace(kNear, QStringLiteral("ɪə"));
    ipa = StressAtSyllableStart(MainStressLast(ipa));
    return ipa.replace(prefixN, QStringLiteral("\\1\\2n"));
}
