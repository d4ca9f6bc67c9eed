#pragma once

// Running the real program in the X server of an end-to-end test and driving it with xdotool.

#include "library/TextFile.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <optional>

// Generous, for a busy machine; every wait polls and ends as soon as it can.
inline constexpr int kWaitMs = 10000;

// An X server on a busy machine now and then refuses a connection opened just after another
// one closed; a program it refused is started again, up to this many times.
inline constexpr int kConnectAttempts = 5;

// What xdotool, ImageMagick and Qt print when the X server refuses them.
inline bool DisplayRefused(const QByteArray& errors) {
    return errors.contains("open display") || errors.contains("open X server") ||
           errors.contains("connect to display");
}

inline void PassOn(const QByteArray& errors) {
    if (!errors.isEmpty()) {
        qWarning("%s", errors.trimmed().constData());
    }
}

// The program is built with the sanitizers for the tests; a report of theirs is a fault of the
// program even when it goes on running or ends with the expected code.
inline bool HoldsSanitizerReport(const QByteArray& errors) {
    return errors.contains("Sanitizer") || errors.contains("runtime error:");
}

inline QByteArray RunTool(const QString& program, const QStringList& arguments) {
    for (int attempt = 1;; ++attempt) {
        QProcess tool;
        tool.start(program, arguments);
        if (!tool.waitForFinished(kWaitMs)) {
            tool.kill();
            tool.waitForFinished();
            return {};
        }
        const QByteArray errors = tool.readAllStandardError();
        if (tool.exitCode() == 0 || !DisplayRefused(errors) || attempt == kConnectAttempts) {
            PassOn(errors);
            return tool.readAllStandardOutput();
        }
        QThread::msleep(100);
    }
}

inline QByteArray Xdotool(const QStringList& arguments) {
    return RunTool(QStringLiteral("xdotool"), arguments);
}

inline QStringList Lines(const QByteArray& output) {
    return QString::fromLatin1(output).split(u'\n', Qt::SkipEmptyParts);
}

// The X server's one screen (see tests/e2e/CMakeLists.txt).
inline constexpr QRect kScreen(0, 0, 1280, 800);

// Where the pointer rests when it is not on a window; no window of the tests opens there.
inline constexpr QPoint kParking(1279, 400);

// Moves the pointer and waits until it is there.
inline void MovePointerTo(QPoint at) {
    Xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
}

// A window's title as the X server has it.
inline QString WindowName(const QString& window) {
    return QString::fromUtf8(Xdotool({"getwindowname", window})).trimmed();
}

// A window's place on the screen as the X server has it.
inline QRect WindowGeometry(const QString& window) {
    QHash<QString, int> values;
    for (const QString& line : Lines(Xdotool({"getwindowgeometry", "--shell", window}))) {
        values.insert(line.section(u'=', 0, 0), line.section(u'=', 1).toInt());
    }
    return {values.value("X"), values.value("Y"), values.value("WIDTH"), values.value("HEIGHT")};
}

// The whole screen, kept in `path`.
inline QImage Screenshot(const QString& path) {
    RunTool(QStringLiteral("import"), {"-window", "root", path});
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// Tries `condition` until it holds; false when the time is up first. Unlike QTRY_VERIFY, which
// evaluates its expression again after it has held, each try here runs the condition once, so
// it suits conditions that take screenshots or wait.
template <typename Condition> bool PollUntil(Condition condition) {
    for (QDeadlineTimer deadline(kWaitMs); !deadline.hasExpired(); QTest::qWait(50)) {
        if (condition()) {
            return true;
        }
    }
    return false;
}

// How a test starts the program: the program file, its options besides --home, and the
// desktop's locale. Unless a test says otherwise, the program starts without the splash
// picture, which would take the first key, in the language it was made for, and in the
// locale of the test. (A locale the system has not installed would leave the program's window
// names in a form xdotool's search does not match.)
struct StartOptions {
    QString program = QStringLiteral(LEXADO_BINARY);
    QStringList arguments{QStringLiteral("--no-splash"), QStringLiteral("--language"),
                          QStringLiteral("pChinese")};
    std::optional<QString> locale; // LANG, with nothing to override it
};

// One run of the real program on a program folder. Each test gives it a runtime folder of its
// own, so that its single-copy lock is not shared with anything else running on the machine.
class Lexado {
public:
    Lexado(const QString& home, const QString& runtimeFolder, const StartOptions& options = {})
        : program_(options.program),
          arguments_(QStringList{QStringLiteral("--home"), home} + options.arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the X server, as on a desktop
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        if (options.locale) {
            for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
                environment.remove(QString::fromLatin1(name));
            }
            environment.insert(QStringLiteral("LANG"), *options.locale);
        }
        // The desktop's speech service is asked for its voices where one runs; none is started
        // for a test.
        environment.insert(QStringLiteral("SPEECHD_ADDRESS"),
                           QStringLiteral("unix_socket:") + runtimeFolder +
                               QStringLiteral("/no-speech-service"));
        // Nor is a session bus: the program meets the desktop of the test's X server alone.
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=") + runtimeFolder +
                               QStringLiteral("/no-session-bus"));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        Start();
    }

    ~Lexado() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
        Inspect(process_.readAllStandardError());
    }

    // The id of this process's visible window titled LXD, once it is there; empty when none
    // comes.
    QString WaitForWindow() {
        for (QDeadlineTimer deadline(kWaitMs); !deadline.hasExpired();) {
            if (process_.state() == QProcess::NotRunning && !StartAgainIfRefused()) {
                return {};
            }
            const QString pid = QString::number(process_.processId());
            window_ = Lines(Xdotool({"search", "--all", "--onlyvisible", "--pid", pid, "--name",
                                     "^LXD$"}))
                          .value(0);
            if (!window_.isEmpty()) {
                return window_;
            }
            process_.waitForFinished(100);
        }
        return {};
    }

    QString window() const { return window_; }

    // Every visible window of this process; none once it has ended. A program the X server
    // refused is started again.
    QStringList VisibleWindows() {
        if (process_.state() == QProcess::NotRunning && !StartAgainIfRefused()) {
            return {};
        }
        return Lines(Xdotool(
            {"search", "--all", "--onlyvisible", "--pid", QString::number(process_.processId())}));
    }

    // The visible windows of this process other than its main window: menus, dialogs, tips.
    QStringList OtherWindows() {
        QStringList others = VisibleWindows();
        others.removeAll(window_);
        return others;
    }

    // Shortcut keys reach the window only when it has the focus.
    void Press(const QString& keys) const {
        Xdotool({"windowfocus", "--sync", window_, "key", keys});
    }

    // Ctrl+W, then the library below the current one in the choose-library dialog; true once
    // the dialog has closed.
    bool ChooseNextLibrary() const {
        Press(QStringLiteral("ctrl+w"));
        const QString dialog =
            Lines(Xdotool({"search", "--sync", "--onlyvisible", "--name", "^选择词库$"})).value(0);
        if (dialog.isEmpty()) {
            return false;
        }
        Xdotool({"windowfocus", "--sync", dialog, "key", "--delay", "100", "Down", "Return"});
        return PollUntil([] {
            return Lines(Xdotool({"search", "--onlyvisible", "--name", "^选择词库$"})).isEmpty();
        });
    }

    // The exit code once the program has ended by itself; -1 when it does not end in time or
    // crashes.
    int WaitForEnd() {
        do {
            if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(kWaitMs)) {
                return -1;
            }
        } while (StartAgainIfRefused());
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }

    int Exit() {
        Press(QStringLiteral("alt+x"));
        return WaitForEnd();
    }

    bool IsRunning() const { return process_.state() == QProcess::Running; }
    qint64 processId() const { return process_.processId(); }

    // Milliseconds since the program was started.
    qint64 RunTime() const { return clock_.elapsed(); }

private:
    void Start() {
        process_.start(program_, arguments_);
        process_.waitForStarted(kWaitMs);
        clock_.start();
    }

    // Starts the program again when it ended because the X server refused it; false when it
    // ended for any other reason, or was refused too often.
    bool StartAgainIfRefused() {
        const QByteArray errors = process_.readAllStandardError();
        Inspect(errors);
        if (!DisplayRefused(errors) || ++starts_ >= kConnectAttempts) {
            return false;
        }
        QThread::msleep(100);
        Start();
        return true;
    }

    // Passes on what the program printed, failing the test on a sanitizer report.
    static void Inspect(const QByteArray& errors) {
        PassOn(errors);
        if (HoldsSanitizerReport(errors)) {
            QTest::qFail("the program printed the sanitizer report above", __FILE__, __LINE__);
        }
    }

    QString program_;
    QStringList arguments_;
    QProcess process_;
    QElapsedTimer clock_;
    int starts_ = 0;
    QString window_;
};

// What a run of the program in a terminal gave.
struct Sent {
    int exitCode = -1;
    QByteArray out;
    QByteArray errors;
};

// The program run in a terminal with these arguments, beside a copy running on that runtime
// folder: the commands for the running copy and the other terminal commands.
inline Sent RunInTerminal(const QString& runtimeFolder, const QStringList& arguments) {
    QProcess sender;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    sender.setProcessEnvironment(environment);
    sender.start(QStringLiteral(LEXADO_BINARY), arguments);
    if (!sender.waitForFinished(kWaitMs)) {
        return {};
    }
    return {sender.exitCode(), sender.readAllStandardOutput(), sender.readAllStandardError()};
}

// The folders of one test function, removed after it: a program folder for --home and a
// runtime folder of its own (mode 0700, as a runtime folder must be), so the single-copy lock
// of one test never meets another's.
class E2eFolders {
public:
    QString home() const { return home_.path(); }
    QString homeFile(const QString& relative) const { return home_.filePath(relative); }
    QString runtime() const { return runtime_.path(); }

    QByteArray ReadFile(const QString& relative) const {
        return ReadWholeFile(homeFile(relative)).value_or("<missing>");
    }

    // A catalogue of one library, Words, whose file data/words.dat holds these lines; false
    // when a file cannot be written.
    bool WriteWordsLibrary(const QByteArray& lines) const {
        return QDir(home()).mkpath(QStringLiteral("data")) &&
               ReplaceFileContents(homeFile("table.ini"), "Words#words.dat\r\n") &&
               ReplaceFileContents(homeFile("data/words.dat"), lines);
    }

private:
    QTemporaryDir home_;
    QTemporaryDir runtime_;
};
