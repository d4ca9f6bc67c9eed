#include "library/LineFields.h"
#include "speech/EnglishVoiceText.h"
#include "speech/EspeakBackend.h"
#include "speech/EspeakSynth.h"
#include "speech/IpaTranscription.h"
#include "speech/MemoryAudio.h"
#include "speech/SpeechEngine.h"
#include "speech/VoiceId.h"
#include "speech/VoiceList.h"
#include "tests/support/HeardSpeech.h"

#include <QtTest>

#include <atomic>
#include <thread>

using namespace std::chrono_literals;

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
    void onlyWhatAnEnglishVoiceReadsIsHandedOn_data();
    void onlyWhatAnEnglishVoiceReadsIsHandedOn();
    void voiceListOffersEveryVoiceAndTestsTheChosenOne();
    void speakingAndTranscribingAtOnceKeepTheirVoices();

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

void TestSpeechEngine::onlyWhatAnEnglishVoiceReadsIsHandedOn_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");
    QTest::newRow("latin letters") << QString("cafe\u0301 Łódź Ẓ") << QString("café Łódź Ẓ");
    QTest::newRow("hangul jamo") << QString("\u11C7x") << QString("x");
    QTest::newRow("control character") << QString("\x01"
                                                  "B")
                                       << QString("B");
    QTest::newRow("other scripts") << QString("a中b ʃ€™") << QString("a b");
    QTest::newRow("punctuation") << QString("\tdon’t – “say” (1990s)!\u2028")
                                 << QString("don't - \"say\" (1990s)!");
    QTest::newRow("nothing to read") << QString("苹果 ...") << QString();
}

// Words that made the engine read freed or foreign memory are heard as what is read of them;
// one with nothing to read is not spoken.
void TestSpeechEngine::onlyWhatAnEnglishVoiceReadsIsHandedOn() {
    QFETCH(QString, text);
    QFETCH(QString, read);
    QCOMPARE(TextForEnglishVoice(text), read.toUtf8());
    const MemoryAudio::Utterance heard = Hear(kReceivedPronunciation, text);
    QVERIFY(read.isEmpty() ? heard.samples.empty()
                           : SoundAlike(heard.samples, Hear(kReceivedPronunciation, read).samples));
}

void TestSpeechEngine::voiceListOffersEveryVoiceAndTestsTheChosenOne() {
    VoiceList list({{"Voice A", kAmerican, true}, {"Voice B", kReceivedPronunciation, false}});
    QCOMPARE(list.EntryTexts(),
             QStringList({"Voice A", "Voice B (Can only speak specific words!)"}));
    QCOMPARE(list.IdAt(1), kReceivedPronunciation);
    QCOMPARE(list.IdAt(2), std::nullopt);
    QCOMPARE(list.IdAt(-1), std::nullopt);
    // The entry of the voice that speaks for a mode id; the default one speaks British.
    QCOMPARE(list.IndexOf(kReceivedPronunciation), 1);
    QCOMPARE(list.IndexOf(kDefaultModeId), 1);
    QCOMPARE(list.IndexOf(QUuid("{2CE326E0-A935-11D1-B17B-0020AFED142E}")), std::nullopt);

    // An index that names no entry speaks nothing.
    list.SpeakTestPhrase(2);
    QCOMPARE(audio_->WaitFor(1, false, 200ms).size(), 0u);

    const MemoryAudio::Utterance expected = Hear(kReceivedPronunciation, "Lexado");
    list.SpeakTestPhrase(1);
    const std::vector<MemoryAudio::Utterance> heard = audio_->WaitFor(2, true);
    QCOMPARE(heard.size(), 2u);
    QVERIFY(SoundAlike(heard[1].samples, expected.samples));
}

// The synthesizer speaks in American English while another thread asks for British IPA: the
// one engine of the process serves both, each with its own voice.
void TestSpeechEngine::speakingAndTranscribingAtOnceKeepTheirVoices() {
    const MemoryAudio::Utterance american = Hear(kAmerican, "tomato");
    QVERIFY(Peak(american.samples) > 3000);
    const QList<std::pair<QString, QString>> transcriptions{
        {"Export ", "ˈekspɔːt"},
        {"ice cream", "ˈaɪs ˈkriːm"},
        {"run, ran", "ˈrʌn ˈræn"},
        {"abandon", "əˈbændən"},
    };
    std::atomic<bool> speaking = true;
    QStringList wrong;
    std::atomic<int> transcribed = 0;
    std::thread transcriber([&] {
        while (speaking) {
            for (const auto& [word, ipa] : transcriptions) {
                const QString heard = IpaTranscription(word);
                if (heard != ipa) {
                    wrong.append(word + " as " + heard);
                }
                ++transcribed;
            }
        }
    });
    SpeechEngine engine;
    QCOMPARE(engine.SelectMode(kAmerican), SpeechStatus::Ok);
    QList<double> unlike;
    // Both go on until each has had its turn many times.
    for (int i = 0; i < 200 && (i < 20 || transcribed < 40); ++i) {
        const MemoryAudio::Utterance heard = Hear(engine, "tomato");
        if (!SoundAlike(heard.samples, american.samples) || Peak(heard.samples) <= 3000) {
            unlike.append(Likeness(heard.samples, american.samples));
        }
    }
    speaking = false;
    transcriber.join();
    QVERIFY(transcribed > 0);
    QCOMPARE(wrong, QStringList());
    QCOMPARE(unlike, QList<double>());
}

QTEST_GUILESS_MAIN(TestSpeechEngine)
#include "tst_speechengine.moc"
