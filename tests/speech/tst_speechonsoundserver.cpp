// The built-in synthesizer playing to a sound server of the test's own: every word, the first
// included, starts within 30 ms of being asked for, and between words it has no stream open on
// the server, so that neither the program nor the server wakes while no word plays.

#include "tests/support/SoundServer.h"

#include "speech/EspeakSynth.h"
#include "speech/MemoryAudio.h"
#include "speech/SpeechEngine.h"
#include "speech/VoiceId.h"

#include <QtTest>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr Milliseconds kMostDelay{30};
constexpr int kWords = 4;
// Louder than what resampling leaves of silence, quieter than any word's first sound.
constexpr int kSoundLevel = 300;
constexpr std::size_t kQuietEnd = SoundServer::kSampleRate / 10;

const QString kWord = QStringLiteral("tomato");

Clock::duration SamplesLength(std::size_t samples, int sampleRate) {
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(double(samples) / sampleRate));
}

std::optional<std::size_t> FirstSound(const std::vector<short>& samples, std::size_t from = 0) {
    for (std::size_t i = from; i < samples.size(); ++i) {
        if (std::abs(int(samples[i])) >= kSoundLevel) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

class TestSpeechOnSoundServer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(runtime_.isValid());
        server_ = std::make_unique<SoundServer>(runtime_.path());
        if (!server_->Started()) {
            QSKIP("PulseAudio cannot be started here");
        }
        // Where the program's own output looks for the server, and keeps what it writes.
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
        qputenv("HOME", runtime_.path().toUtf8());
    }

    // A word began its synthesizer's own lead-in before its first sound was recorded. The
    // recording's samples follow the sink's clock, and each arrives after the sink played it:
    // the earliest arrival less the length before it places the recording's start (within the
    // few milliseconds the sink plays ahead).
    void everyWordStartsPromptlyWithNoStreamBetween() {
        const Clock::duration leadIn = LeadIn();
        QVERIFY(leadIn > Clock::duration::zero());
        SpeechEngine engine;
        QCOMPARE(engine.SelectMode(kDefaultModeId), SpeechStatus::Ok);
        std::vector<Clock::time_point> asked;
        std::vector<std::size_t> onsets;
        for (int word = 0; word < kWords; ++word) {
            if (word > 0) {
                QTRY_COMPARE_WITH_TIMEOUT(PlaybackStreams(), 0, SoundServer::kWaitMs);
                QVERIFY(WaitForQuietEnd());
            }
            const std::size_t before = Recorded().size();
            asked.push_back(Clock::now());
            QCOMPARE(engine.Speak(kWord), SpeechStatus::Ok);
            std::optional<std::size_t> onset;
            while (!onset && server_->WaitForSound(SoundServer::kWaitMs)) {
                onset = FirstSound(Recorded(), before);
            }
            QVERIFY2(onset, "the word was not heard");
            onsets.push_back(*onset);
        }
        for (int word = 0; word < kWords; ++word) {
            const Clock::time_point start =
                start_ + SamplesLength(onsets[word], SoundServer::kSampleRate) - leadIn;
            const Milliseconds delay = start - asked[word];
            QVERIFY2(delay <= kMostDelay,
                     qPrintable(QStringLiteral("word %1 began %2 ms after it was asked for")
                                    .arg(word + 1)
                                    .arg(delay.count())));
        }
    }

private:
    // How long the word is silent before its first sound, as the synthesizer makes it.
    static Clock::duration LeadIn() {
        auto memory = std::make_shared<MemoryAudio>();
        EspeakSynth::Instance().SetOutput(memory);
        SpeechEngine engine;
        engine.SelectMode(kDefaultModeId);
        engine.Speak(kWord);
        const std::vector<MemoryAudio::Utterance> said = memory->WaitFor(1, true);
        EspeakSynth::Instance().SetOutput(nullptr);
        const auto sound = said.empty() ? std::nullopt : FirstSound(said.front().samples);
        return sound ? SamplesLength(*sound, said.front().sampleRate) : Clock::duration::zero();
    }

    // What was recorded so far, the recording's start brought forward by each arrival.
    const std::vector<short>& Recorded() {
        const std::vector<short>& samples = server_->Recorded();
        if (!samples.empty()) {
            start_ = std::min(start_, Clock::now() -
                                          SamplesLength(samples.size(), SoundServer::kSampleRate));
        }
        return samples;
    }

    // Waits until the last word has been recorded to its end; false when that takes too long.
    bool WaitForQuietEnd() {
        while (Recorded().size() < kQuietEnd ||
               FirstSound(Recorded(), Recorded().size() - kQuietEnd)) {
            if (!server_->WaitForSound(SoundServer::kWaitMs)) {
                return false;
            }
        }
        return true;
    }

    // The streams playing to the server; -1 when it cannot be asked.
    int PlaybackStreams() {
        QProcess pactl;
        pactl.setProcessEnvironment(server_->environment());
        pactl.start(QStringLiteral("pactl"), {"list", "short", "sink-inputs"});
        if (!pactl.waitForFinished(SoundServer::kWaitMs) || pactl.exitCode() != 0) {
            return -1;
        }
        return int(pactl.readAllStandardOutput().count('\n'));
    }

    QTemporaryDir runtime_;
    std::unique_ptr<SoundServer> server_;
    Clock::time_point start_ = Clock::time_point::max();
};

QTEST_GUILESS_MAIN(TestSpeechOnSoundServer)
#include "tst_speechonsoundserver.moc"
