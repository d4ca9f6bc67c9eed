// Speech and the settings sheet in the main window, with the real built-in voices synthesising
// into memory: what is heard as entries are shown, on read again and after a progress file, and
// what the settings sheet changes in the window.

#include "tests/controls/MenuScript.h"
#include "tests/recitation/ui/WindowRig.h"
#include "tests/support/HeardSpeech.h"
#include "tests/support/SheetControl.h"

#include "controls/AnswersInAdvance.h"
#include "recitation/ModeId.h"
#include "recitation/ProgressFile.h"
#include "settings/ui/NumberField.h"
#include "settings/ui/SheetControls.h"
#include "speech/EspeakSynth.h"
#include "speech/MemoryAudio.h"
#include "speech/SpeechEngine.h"
#include "speech/VoiceId.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>

#include <thread>

using namespace std::chrono_literals;

namespace {

// A mode id the program's original platform stored; no voice here has it.
const QUuid kOriginalPlatformVoice("{2CE326E0-A935-11D1-B17B-0020AFED142E}");

constexpr int kReadAgainRow = 1;

// What a voice says, heard apart from the window; nothing from a voice that does not start.
std::vector<short> Said(const QUuid& modeId, const QString& text) {
    auto heard = std::make_shared<MemoryAudio>();
    EspeakSynth::Instance().SetOutput(heard);
    SpeechEngine engine;
    if (engine.SelectMode(modeId) != SpeechStatus::Ok) {
        return {};
    }
    engine.Speak(text);
    const std::vector<MemoryAudio::Utterance> utterances = heard->WaitFor(1, true);
    return utterances.empty() ? std::vector<short>() : utterances.front().samples;
}

SettingsRecord SpeakingSettings(bool speechOn, const QUuid& modeId) {
    SettingsRecord s = QuietSettings();
    s.speechOn = speechOn;
    s.speechModeId = StoredModeId(modeId);
    return s;
}

// Whether the context menu shows "再读一遍" grey.
std::optional<bool> ReadAgainGreyed(CLexadoDlg& window) {
    std::optional<bool> greyed;
    MenuScript script({[&] {
        if (ActiveMenu()) {
            greyed = ActiveMenu()->itemBar()->items().at(kReadAgainRow).greyed;
            PressKey(Qt::Key_Escape);
        }
    }});
    QTest::mousePress(window.windowHandle(), Qt::RightButton, {}, {5, 5});
    QTest::mouseRelease(window.windowHandle(), Qt::RightButton, {}, {5, 5});
    return script.Completed() ? greyed : std::nullopt;
}

// Answers the settings sheet once it runs.
void WhenSheetOpens(std::function<void(QDialog& sheet, QTabWidget& pages)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(sheet);
        answer(*sheet, *sheet->findChild<QTabWidget*>());
    });
}

void Press(QDialog& sheet, QDialogButtonBox::StandardButton button) {
    sheet.findChild<QDialogButtonBox*>()->button(button)->click();
}

} // namespace

class TestLexadoDlgSpeech : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Unknown ids are looked up with the speech service too: keep the test's own (absent)
        // one, so that none is started.
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + QFile::encodeName(dir_.filePath("none")));
        AnswersInAdvance::Enable(true);
    }

    void init() {
        audio_ = std::make_shared<MemoryAudio>();
        EspeakSynth::Instance().SetOutput(audio_);
    }

    void modeIdsKeepTheirBytes() {
        QCOMPARE(ModeIdOf(kDefaultSpeechModeId), kDefaultModeId);
        QCOMPARE(StoredModeId(kDefaultModeId), kDefaultSpeechModeId);
        QCOMPARE(ModeIdOf(StoredModeId(kAmerican)), kAmerican);
    }

    void everyEntryIsSpokenWhileSpeechIsOnAndAVoiceIsReady_data();
    void everyEntryIsSpokenWhileSpeechIsOnAndAVoiceIsReady();
    void progressFilesStartTheVoiceAndReadAgainStartsTheChosenOne();
    void aGbkWordIsSpokenAsItsDecodedText();
    void settingsSheetAppliesOnOkAndChangesNothingOnCancel();
    void aVoiceNotInstalledShowsAsNoneAndStays();

private:
    // The utterances heard so far, once `count` have been synthesised whole and played to the
    // end, so that the next word cuts nothing off; what there is when fewer come.
    std::vector<MemoryAudio::Utterance> Heard(std::size_t count) {
        const std::vector<MemoryAudio::Utterance> heard = audio_->WaitFor(count, true);
        if (heard.size() >= count && count > 0) {
            const MemoryAudio::Utterance& last = heard[count - 1];
            const auto played =
                last.firstSample + std::chrono::duration_cast<MemoryAudio::Clock::duration>(
                                       std::chrono::duration<double>(Seconds(last)));
            std::this_thread::sleep_until(played);
        }
        return heard;
    }

    // Nothing more heard than `count` utterances, given time for another to begin.
    bool NothingMoreThan(std::size_t count) {
        return audio_->WaitFor(count + 1, false, 300ms).size() == count;
    }

    QTemporaryDir dir_;
    std::shared_ptr<MemoryAudio> audio_;
};

void TestLexadoDlgSpeech::everyEntryIsSpokenWhileSpeechIsOnAndAVoiceIsReady_data() {
    QTest::addColumn<bool>("speechOn");
    QTest::addColumn<QUuid>("modeId");
    QTest::addColumn<bool>("ready");
    QTest::newRow("first start's voice") << true << kDefaultModeId << true;
    QTest::newRow("American voice") << true << kAmerican << true;
    QTest::newRow("unknown voice") << true << kOriginalPlatformVoice << false;
    QTest::newRow("speech off") << false << kDefaultModeId << false;
}

// The first entry, the next one and read again are heard only with speech on and a voice that
// started; without one, read again is grey and says nothing either.
void TestLexadoDlgSpeech::everyEntryIsSpokenWhileSpeechIsOnAndAVoiceIsReady() {
    QFETCH(bool, speechOn);
    QFETCH(QUuid, modeId);
    QFETCH(bool, ready);
    const std::vector<short> apple = Said(modeId, "apple");
    const std::vector<short> banana = Said(modeId, "banana");
    EspeakSynth::Instance().SetOutput(audio_);

    WindowRig rig(SpeakingSettings(speechOn, modeId), {"apple#苹果", "banana#香蕉"});
    QVERIFY(rig.show());
    CLexadoDlg& window = *rig.window;
    QCOMPARE(window.state().speechReady, ready);
    QCOMPARE(ReadAgainGreyed(window), !ready);
    Heard(ready ? 1 : 0);
    NextWord(window);
    Heard(ready ? 2 : 0);
    window.RunCommand(CommandId::ReadAgain);
    if (!ready) {
        QVERIFY(NothingMoreThan(0));
        return;
    }
    const std::vector<MemoryAudio::Utterance> heard = Heard(3);
    QCOMPARE(heard.size(), 3u);
    QVERIFY(SoundAlike(heard[0].samples, apple));
    QVERIFY(SoundAlike(heard[1].samples, banana));
    QVERIFY(SoundAlike(heard[2].samples, banana));
    QVERIFY(NothingMoreThan(3));
}

// A progress file that turns speech on starts its voice; one that turns it off leaves the voice
// in place, and read again (here a double-click) then starts the file's voice before speaking.
void TestLexadoDlgSpeech::progressFilesStartTheVoiceAndReadAgainStartsTheChosenOne() {
    const std::vector<short> british = Said(kReceivedPronunciation, "banana");
    const std::vector<short> american = Said(kAmerican, "banana");
    EspeakSynth::Instance().SetOutput(audio_);

    SettingsRecord off = SpeakingSettings(false, kReceivedPronunciation);
    off.doubleClickAction = 3;
    WindowRig rig(off, {"apple#苹果", "banana#香蕉"});
    QVERIFY(rig.show());
    CLexadoDlg& window = *rig.window;

    SettingsRecord on = off;
    on.speechOn = true;
    on.position = 1;
    QVERIFY(WriteProgressFile(rig.folder.filePath("on.sav"), on));
    AnswersInAdvance::Queue(rig.folder.filePath("on.sav"));
    window.RunCommand(CommandId::LoadProgress);
    QVERIFY(window.state().speechReady);
    std::vector<MemoryAudio::Utterance> heard = Heard(1);
    QCOMPARE(heard.size(), 1u);
    QVERIFY(SoundAlike(heard[0].samples, british));

    SettingsRecord americanOff = on;
    americanOff.speechOn = false;
    americanOff.speechModeId = StoredModeId(kAmerican);
    QVERIFY(WriteProgressFile(rig.folder.filePath("off.sav"), americanOff));
    AnswersInAdvance::Queue(rig.folder.filePath("off.sav"));
    window.RunCommand(CommandId::LoadProgress);
    QVERIFY(window.state().speechReady);
    QCOMPARE(window.state().currentLine, QByteArray("banana#香蕉"));
    QVERIFY(NothingMoreThan(1));
    QCOMPARE(ReadAgainGreyed(window), false);

    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, {5, 5});
    heard = Heard(2);
    QCOMPARE(heard.size(), 2u);
    QVERIFY2(SoundAlike(heard[1].samples, american),
             qPrintable(QString::number(Likeness(heard[1].samples, american))));
}

void TestLexadoDlgSpeech::aGbkWordIsSpokenAsItsDecodedText() {
    const std::vector<short> resume = Said(kDefaultModeId, "résumé");
    EspeakSynth::Instance().SetOutput(audio_);
    // "résumé#简历" in GBK.
    WindowRig rig(SpeakingSettings(true, kDefaultModeId),
                  {"r\xA8\xA6sum\xA8\xA6#\xBC\xF2\xC0\xFA"});
    rig.open();
    const std::vector<MemoryAudio::Utterance> heard = Heard(1);
    QCOMPARE(heard.size(), 1u);
    QVERIFY(Seconds(heard[0]) > 0.3);
    QVERIFY(SoundAlike(heard[0].samples, resume));
}

// OK: the seconds become the time per word of the restarted timer, one line lays the window out
// as a window opened with that setting, speech turned on starts the voice, and a new entry
// follows. Cancel changes nothing. The speech page shows the voice that speaks for the default
// mode id.
void TestLexadoDlgSpeech::settingsSheetAppliesOnOkAndChangesNothingOnCancel() {
    SettingsRecord oneLine = QuietSettings();
    oneLine.oneLine = true;
    oneLine.position = 1;
    WindowRig reference(oneLine, {"apple#苹果#ˈæpl", "banana#香蕉"});
    QVERIFY(reference.show());
    QCOMPARE(reference.window->state().currentLine, QByteArray("banana#香蕉"));

    const std::vector<short> banana = Said(kDefaultModeId, "banana");
    EspeakSynth::Instance().SetOutput(audio_);
    WindowRig rig(QuietSettings(), {"apple#苹果#ˈæpl", "banana#香蕉"});
    QVERIFY(rig.show());
    CLexadoDlg& window = *rig.window;
    QCOMPARE(window.state().currentLine, QByteArray("apple#苹果#ˈæpl"));
    const QByteArray before = RecordBytes(window.settings());

    QString voiceShown;
    // Every page changed, each the same way both times.
    const auto change = [](QTabWidget& pages) {
        Find<QCheckBox>(pages.widget(0), SheetControl::OneLine)->click();
        pages.setCurrentIndex(1);
        auto* seconds = Find<NumberField>(pages.widget(1), SheetControl::Seconds);
        seconds->selectAll();
        QTest::keyClicks(seconds, "3");
        pages.setCurrentIndex(2);
        Find<QCheckBox>(pages.widget(2), SheetControl::Speech)->click();
    };
    WhenSheetOpens([&](QDialog& sheet, QTabWidget& pages) {
        change(pages);
        Press(sheet, QDialogButtonBox::Cancel);
    });
    window.RunCommand(CommandId::Settings);
    QCOMPARE(RecordBytes(window.settings()), before);
    QVERIFY(!window.state().speechReady);
    QVERIFY(NothingMoreThan(0));
    QCOMPARE(window.state().currentLine, QByteArray("apple#苹果#ˈæpl"));
    QCOMPARE(window.engine().runningTimers().wordPeriodMs, 1000000);

    WhenSheetOpens([&](QDialog& sheet, QTabWidget& pages) {
        voiceShown = Find<QComboBox>(pages.widget(2), SheetControl::Voices)->currentText();
        change(pages);
        Press(sheet, QDialogButtonBox::Ok);
    });
    window.RunCommand(CommandId::Settings);
    QCOMPARE(voiceShown, QStringLiteral("English (Received Pronunciation)"));
    // Speech turned on starts the voice, which says the new entry.
    QVERIFY(window.state().speechReady);
    const std::vector<MemoryAudio::Utterance> heard = Heard(1);
    QCOMPARE(heard.size(), 1u);
    QVERIFY(SoundAlike(heard[0].samples, banana));
    QCOMPARE(window.settings().wordTimeMs, 3000);
    QVERIFY(window.settings().oneLine);
    QCOMPARE(window.engine().runningTimers().wordPeriodMs, 3000);
    QCOMPARE(window.state().currentLine, QByteArray("banana#香蕉"));
    QCOMPARE(window.geometry(), reference.window->geometry());
}

// A stored voice that is not installed shows no entry as chosen; OK without a pick keeps it.
void TestLexadoDlgSpeech::aVoiceNotInstalledShowsAsNoneAndStays() {
    WindowRig rig(SpeakingSettings(false, kOriginalPlatformVoice), {"apple#苹果"});
    QVERIFY(rig.show());
    int shown = 0;
    WhenSheetOpens([&](QDialog& sheet, QTabWidget& pages) {
        shown = Find<QComboBox>(pages.widget(2), SheetControl::Voices)->currentIndex();
        Press(sheet, QDialogButtonBox::Ok);
    });
    rig.window->RunCommand(CommandId::Settings);
    QCOMPARE(shown, -1);
    QCOMPARE(rig.window->settings().speechModeId, StoredModeId(kOriginalPlatformVoice));
    QCOMPARE(rig.window->settings().speechEngineIndex, 0);
}

QTEST_MAIN(TestLexadoDlgSpeech)
#include "tst_lexadodlg_speech.moc"
