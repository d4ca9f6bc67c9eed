#pragma once

// A sound server of a test's own: PulseAudio with one null sink, its socket in the test's
// runtime folder, where the program under test looks for it, and parec recording what the
// sink plays.

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <vector>

class SoundServer {
public:
    static constexpr int kSampleRate = 22050; // what parec records: 16-bit mono
    static constexpr int kWaitMs = 10000;     // for the programs to start and answer

    explicit SoundServer(const QString& runtimeFolder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        // The server keeps its cookie and state there too, never in the user's home.
        environment.insert(QStringLiteral("HOME"), runtimeFolder);
        for (QProcess* process : {&server_, &recorder_}) {
            process->setProcessEnvironment(environment);
            // Both end with the test, however it ends: the server would otherwise run on.
            process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        }
        server_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        server_.start(QStringLiteral("pulseaudio"),
                      {"--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-n",
                       "--load=module-null-sink sink_name=lexado",
                       "--load=module-native-protocol-unix auth-anonymous=1"});
        if (!server_.waitForStarted(kWaitMs) || !WaitForSocket(runtimeFolder)) {
            return;
        }
        recorder_.start(QStringLiteral("parec"),
                        {"--device=lexado.monitor", "--format=s16le", "--channels=1",
                         "--rate=" + QString::number(kSampleRate), "--latency-msec=5", "--raw"});
        // The monitor sends nothing until the sink next plays, up to two seconds after the
        // server started; from then on its samples follow the clock.
        started_ = recorder_.waitForStarted(kWaitMs) && recorder_.waitForReadyRead(kWaitMs);
    }

    ~SoundServer() {
        for (QProcess* process : {&recorder_, &server_}) {
            if (process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(kWaitMs)) {
                    process->kill();
                    process->waitForFinished();
                }
            }
        }
    }

    bool Started() const { return started_; }

    // The server's environment, for the programs that ask it something.
    QProcessEnvironment environment() const { return server_.processEnvironment(); }

    // Waits until more sound has been recorded; false when none came within the time.
    bool WaitForSound(int ms) { return recorder_.waitForReadyRead(ms); }

    // Every sample recorded since the server started.
    const std::vector<short>& Recorded() {
        bytes_ += recorder_.readAllStandardOutput();
        const qsizetype count = bytes_.size() / 2;
        const auto have = static_cast<qsizetype>(samples_.size());
        if (count > have) {
            samples_.resize(static_cast<std::size_t>(count));
            std::memcpy(samples_.data() + have, bytes_.constData() + have * 2,
                        static_cast<std::size_t>(count - have) * 2);
        }
        return samples_;
    }

private:
    // The server takes connections once its socket is there and it answers.
    bool WaitForSocket(const QString& runtimeFolder) {
        for (QDeadlineTimer deadline(kWaitMs); !deadline.hasExpired(); QThread::msleep(50)) {
            if (server_.state() == QProcess::NotRunning) {
                return false;
            }
            if (QFile::exists(runtimeFolder + QStringLiteral("/pulse/native"))) {
                QProcess info;
                info.setProcessEnvironment(environment());
                info.start(QStringLiteral("pactl"), {"info"});
                if (info.waitForFinished(kWaitMs) && info.exitCode() == 0) {
                    return true;
                }
            }
        }
        return false;
    }

    QProcess server_;
    QProcess recorder_;
    bool started_ = false;
    QByteArray bytes_;
    std::vector<short> samples_;
};
