#include "speech/EspeakBackend.h"
#include "speech/EspeakSynth.h"
#include "speech/MemoryAudio.h"
#include "speech/SpeechEngine.h"
#include "speech/SpokenWord.h"
#include "speech/VoiceId.h"
#include "speech/VoiceList.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace std::chrono_literals;

namespace {

const QUuid kReceivedPronunciation("{57E3E58C-3077-59D7-AEE8-49200538D55E}");
const QUuid kAmerican("{93891526-66BB-5E5E-B8D2-BCDADDCF6A7A}");

int Peak(const std::vector<short>& samples) {
    int peak = 0;
    for (const short sample : samples) {
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}

double Seconds(const MemoryAudio::Utterance& utterance) {
    return double(utterance.samples.size()) / utterance.sampleRate;
}

// Loudness every 10 ms.
std::vector<double> Envelope(const std::vector<short>& samples) {
    constexpr std::size_t kFrame = 220;
    std::vector<double> envelope;
    for (std::size_t start = 0; start + kFrame <= samples.size(); start += kFrame) {
        double energy = 0;
        for (std::size_t i = start; i < start + kFrame; ++i) {
            energy += double(samples[i]) * samples[i];
        }
        envelope.push_back(std::sqrt(energy / kFrame));
    }
    return envelope;
}

// How alike two utterances sound: the correlation of their loudness over time, 1 for the same.
// The synthesizer carries a little state from one utterance to the next, so saying a word
// twice gives nearly, not exactly, the same samples.
double Likeness(const std::vector<short>& a, const std::vector<short>& b) {
    std::vector<double> x = Envelope(a);
    std::vector<double> y = Envelope(b);
    const std::size_t n = std::max(x.size(), y.size());
    x.resize(n);
    y.resize(n);
    const double meanX = std::accumulate(x.begin(), x.end(), 0.0) / n;
    const double meanY = std::accumulate(y.begin(), y.end(), 0.0) / n;
    double xy = 0, xx = 0, yy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        xy += (x[i] - meanX) * (y[i] - meanY);
        xx += (x[i] - meanX) * (x[i] - meanX);
        yy += (y[i] - meanY) * (y[i] - meanY);
    }
    return xy / std::sqrt(xx * yy);
}

bool SoundAlike(const std::vector<short>& a, const std::vector<short>& b) {
    const double lengths = double(a.size()) / std::max<std::size_t>(b.size(), 1);
    return lengths > 0.95 && lengths < 1.05 && Likeness(a, b) > 0.97;
}

} // namespace

// The built-in voices, synthesising into memory: each test hears what the engine would have
// played.
class TestSpeechEngine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Unknown ids are looked up with the speech service too: keep the test's own (absent)
        // one, so that none is started.
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + QFile::encodeName(dir_.filePath("none")));
    }

    void init() {
        audio_ = std::make_shared<MemoryAudio>();
        EspeakSynth::Instance().SetOutput(audio_);
    }

    void builtInVoicesAreListedInOrderWithStableIds();
    void aWordIsHeardAsTheVoiceSaysIt();
    void modeIdsThatNameNoVoiceStartNothing();
    void theNextWordCutsOffTheOneBeingSpoken();
    void spokenWordIsTheWholeDecodedWordField_data();
    void spokenWordIsTheWholeDecodedWordField();
    void aGbkWordSoundsLikeTheSameWordInUtf8();
    void voiceListOffersEveryVoiceAndTestsTheChosenOne();

private:
    // What the engine makes of the text, once it has been synthesised whole.
    MemoryAudio::Utterance Hear(SpeechEngine& engine, const QString& text) {
        const std::size_t before = audio_->WaitFor(0, true).size();
        engine.Speak(text);
        const std::vector<MemoryAudio::Utterance> heard = audio_->WaitFor(before + 1, true);
        return heard.size() > before ? heard.back() : MemoryAudio::Utterance();
    }

    MemoryAudio::Utterance Hear(const QUuid& modeId, const QString& text) {
        SpeechEngine engine;
        if (engine.SelectMode(modeId) != SpeechStatus::Ok) {
            return {};
        }
        return Hear(engine, text);
    }

    QTemporaryDir dir_;
    std::shared_ptr<MemoryAudio> audio_;
};

void TestSpeechEngine::builtInVoicesAreListedInOrderWithStableIds() {
    const std::vector<VoiceInfo> voices = EspeakBackend().Voices();
    QStringList names;
    for (const VoiceInfo& voice : voices) {
        names.append(voice.displayName);
        QVERIFY(voice.anyWord);
    }
    // Sorted by the voices' identifiers, gmw/en to gmw/en-US-nyc.
    QCOMPARE(names, QStringList({"English (Great Britain)", "English (Caribbean)",
                                 "English (Scotland)", "English (Lancaster)",
                                 "English (West Midlands)", "English (Received Pronunciation)",
                                 "English (America)", "English (America, New York City)"}));
    QCOMPARE(voices[0].id, QUuid("{8CE243CE-B77D-53E7-B7A0-7C60A9EAD7E8}"));
    QCOMPARE(voices[5].id, kReceivedPronunciation);
    QCOMPARE(voices[6].id, kAmerican);
    QList<QUuid> ids;
    for (const VoiceInfo& voice : voices) {
        QVERIFY(!ids.contains(voice.id));
        ids.append(voice.id);
    }
}

void TestSpeechEngine::aWordIsHeardAsTheVoiceSaysIt() {
    const MemoryAudio::Utterance british = Hear(kReceivedPronunciation, "tomato");
    QCOMPARE(british.sampleRate, 22050);
    QVERIFY2(Seconds(british) > 0.3 && Seconds(british) < 1.5,
             qPrintable(QString::number(Seconds(british))));
    QVERIFY(Peak(british.samples) > 3000);
    QVERIFY(!british.cut);

    // The same voice says it the same way, another voice differently.
    QVERIFY(SoundAlike(Hear(kReceivedPronunciation, "tomato").samples, british.samples));
    QVERIFY(Likeness(Hear(kAmerican, "tomato").samples, british.samples) < 0.9);

    // The mode id of a first start is the British voice.
    QCOMPARE(EspeakBackend().VoiceFor(kDefaultModeId)->id, kReceivedPronunciation);
    QVERIFY(SoundAlike(Hear(kDefaultModeId, "tomato").samples, british.samples));
}

void TestSpeechEngine::modeIdsThatNameNoVoiceStartNothing() {
    std::unique_ptr<SpeechEngine> slot = std::make_unique<SpeechEngine>();
    // A mode id stored by the original platform names no voice here.
    QVERIFY(!StartSpeechEngine(slot, QUuid("{2CE326E0-A935-11D1-B17B-0020AFED142E}")));
    QVERIFY(slot == nullptr);

    QVERIFY(StartSpeechEngine(slot, kDefaultModeId));
    QVERIFY(slot != nullptr);
    QCOMPARE(slot->SelectMode(kAmerican), SpeechStatus::AlreadySelected);

    SpeechEngine empty;
    QCOMPARE(empty.Speak("word"), SpeechStatus::NoModeSelected);
    QCOMPARE(empty.SelectMode(QUuid()), SpeechStatus::NoSuchVoice);
    QCOMPARE(audio_->WaitFor(1, false, 200ms).size(), 0u);
}

void TestSpeechEngine::theNextWordCutsOffTheOneBeingSpoken() {
    const QString sentence = "The quick brown fox jumps over the lazy dog and runs away.";
    const MemoryAudio::Utterance whole = Hear(kReceivedPronunciation, sentence);
    const MemoryAudio::Utterance word = Hear(kReceivedPronunciation, "word");

    SpeechEngine engine;
    QCOMPARE(engine.SelectMode(kReceivedPronunciation), SpeechStatus::Ok);
    engine.Speak(sentence);
    QCOMPARE(audio_->WaitFor(3, false).size(), 3u); // it has begun
    engine.Speak("word");
    const std::vector<MemoryAudio::Utterance> heard = audio_->WaitFor(4, true);
    QCOMPARE(heard.size(), 4u);
    QVERIFY(heard[2].cut);
    QVERIFY(heard[2].samples.size() < whole.samples.size() / 2);
    QVERIFY(!heard[3].cut);
    QVERIFY(SoundAlike(heard[3].samples, word.samples));
}

void TestSpeechEngine::spokenWordIsTheWholeDecodedWordField_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("word");
    QTest::newRow("utf-8") << QByteArray("café#咖啡馆#kæˈfeɪ") << QString("café");
    // GBK bytes of "café#咖啡馆": the line is not UTF-8, so it is read as GB18030.
    QTest::newRow("gbk") << QByteArray("caf\xA8\xA6#\xBF\xA7\xB7\xC8\xB9\xDD") << QString("café");
    QTest::newRow("phrase longer than 31 bytes")
        << QByteArray("in the middle of nowhere at all#荒无人烟")
        << QString("in the middle of nowhere at all");
    QTest::newRow("no word field") << QByteArray("all meaning") << QString();
}

void TestSpeechEngine::spokenWordIsTheWholeDecodedWordField() {
    QFETCH(QByteArray, line);
    QFETCH(QString, word);
    QCOMPARE(SpokenWord(line), word);
}

void TestSpeechEngine::aGbkWordSoundsLikeTheSameWordInUtf8() {
    // "résumé#简历" in GBK.
    const QString gbk = SpokenWord("r\xA8\xA6sum\xA8\xA6#\xBC\xF2\xC0\xFA");
    QCOMPARE(gbk, QString("résumé"));
    const MemoryAudio::Utterance utf8 = Hear(kReceivedPronunciation, SpokenWord("résumé#简历"));
    QVERIFY(Seconds(utf8) > 0.3);
    QVERIFY(SoundAlike(Hear(kReceivedPronunciation, gbk).samples, utf8.samples));
}

void TestSpeechEngine::voiceListOffersEveryVoiceAndTestsTheChosenOne() {
    VoiceList list({{"Voice A", kAmerican, true}, {"Voice B", kReceivedPronunciation, false}});
    QCOMPARE(list.EntryTexts(),
             QStringList({"Voice A", "Voice B (Can only speak specific words!)"}));
    QCOMPARE(list.IdAt(1), kReceivedPronunciation);
    QCOMPARE(list.IdAt(2), std::nullopt);
    QCOMPARE(list.IdAt(-1), std::nullopt);

    // An index that names no entry speaks nothing.
    list.SpeakTestPhrase(2);
    QCOMPARE(audio_->WaitFor(1, false, 200ms).size(), 0u);

    const MemoryAudio::Utterance expected = Hear(kReceivedPronunciation, "Lexado");
    list.SpeakTestPhrase(1);
    const std::vector<MemoryAudio::Utterance> heard = audio_->WaitFor(2, true);
    QCOMPARE(heard.size(), 2u);
    QVERIFY(SoundAlike(heard[1].samples, expected.samples));
}

QTEST_GUILESS_MAIN(TestSpeechEngine)
#include "tst_speechengine.moc"
