// The socket between the running copy and the programs that send it commands, and the rules of
// the desktop's signals: which full-screen window counts, and how shortcuts are read.

#include "companion/DesktopSources.h"
#include "companion/LocalSocket.h"
#include "companion/RemoteClient.h"
#include "companion/RemoteServer.h"
#include "companion/ShortcutKeys.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <future>

#include <unistd.h>

Q_DECLARE_METATYPE(std::optional<X11Shortcut>)

namespace {

// Sends from another thread, as another program would, while this one's event loop answers.
RemoteReply SendAndAnswer(const QString& folder, RemoteCommand command) {
    std::future<RemoteReply> reply =
        std::async(std::launch::async, [&] { return SendRemoteCommand(folder, command); });
    while (reply.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
    return reply.get();
}

class FakeFullScreen : public FullScreenSource {
public:
    explicit FakeFullScreen(std::optional<FullScreenWindow> window) : window_(window) {}
    std::optional<FullScreenWindow> ActiveFullScreenWindow() override { return window_; }

private:
    std::optional<FullScreenWindow> window_;
};

} // namespace

class TestRemoteCommands : public QObject {
    Q_OBJECT

private slots:
    // A copy that crashed leaves its socket behind; the next copy takes the name over. Each
    // command reaches the handler and its reply comes back whole; without a copy the answer is
    // exit code 1.
    void commandsReachTheCopyAndItsRepliesComeBack() {
        QTemporaryDir folder;
        QVERIFY(SendAndAnswer(folder.path(), RemoteCommand::Pause).exitCode == 1);
        QFile left(RemoteSocketPath(folder.path()));
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.close();
        QList<RemoteCommand> received;
        RemoteServer server([&](RemoteCommand command) {
            received << command;
            return RemoteReply{command == RemoteCommand::Known ? 2 : 0,
                               RemoteCommandName(command).toUtf8() + "\t词\n"};
        });
        QVERIFY(server.Listen(folder.path()));
        for (RemoteCommand command : AllRemoteCommands()) {
            const RemoteReply expected{command == RemoteCommand::Known ? 2 : 0,
                                       RemoteCommandName(command).toUtf8() + "\t词\n"};
            QCOMPARE(SendAndAnswer(folder.path(), command), expected);
            QCOMPARE(RemoteCommandNamed(RemoteCommandName(command)), command);
        }
        QCOMPARE(received, AllRemoteCommands());
    }

    // Only the user may connect; a client sending more than a request without ending its line
    // is let go unanswered; the socket file goes with the server.
    void theSocketIsTheUsersAndGuardsItsLength() {
        QTemporaryDir folder;
        const QString path = RemoteSocketPath(folder.path());
        {
            RemoteServer server([](RemoteCommand) { return RemoteReply{}; });
            QVERIFY(server.Listen(folder.path()));
            QCOMPARE(QFile::permissions(path),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
            std::future<QByteArray> answer = std::async(std::launch::async, [&] {
                const int socket = ConnectTo(path, QDeadlineTimer(1000));
                WriteAll(socket, QByteArray(200, 'x'));
                return ReadUntilClosed(socket, QDeadlineTimer(5000)) + (close(socket), "");
            });
            while (answer.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
                QCoreApplication::processEvents();
            }
            QCOMPARE(answer.get(), QByteArray());
        }
        QVERIFY(!QFile::exists(path));
    }

    // A full-screen window counts when it is another program's and on the window's screen.
    void fullScreenOnTheWindowsScreen_data() {
        QTest::addColumn<std::optional<FullScreenWindow>>("active");
        QTest::addColumn<bool>("fullScreen");
        const QRect left(0, 0, 1920, 1080);
        QTest::newRow("none") << std::optional<FullScreenWindow>{} << false;
        QTest::newRow("same screen") << std::optional(FullScreenWindow{7, left}) << true;
        QTest::newRow("other screen")
            << std::optional(FullScreenWindow{7, QRect(1920, 0, 1920, 1080)}) << false;
        QTest::newRow("the window itself") << std::optional(FullScreenWindow{1, left}) << false;
    }
    void fullScreenOnTheWindowsScreen() {
        QFETCH(std::optional<FullScreenWindow>, active);
        QFETCH(bool, fullScreen);
        DesktopSources sources;
        sources.fullScreen = std::make_unique<FakeFullScreen>(active);
        const DesktopState desktop = ReadDesktop(sources, OwnWindow{1, QRect(1800, 40, 200, 60)});
        QCOMPARE(desktop.fullScreen, fullScreen);
        QVERIFY(!desktop.idleSeconds); // a source the desktop lacks says nothing
        QCOMPARE(desktop.locked, false);
    }

    void shortcutsAreRead_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<X11Shortcut>>("shortcut");
        using S = std::optional<X11Shortcut>;
        QTest::newRow("default") << "Ctrl+Alt+P" << S(X11Shortcut{'p', 4 | 8});
        QTest::newRow("any case and order") << "alt+CTRL+k" << S(X11Shortcut{'k', 4 | 8});
        QTest::newRow("function key") << "Meta+Shift+F12" << S(X11Shortcut{0xffc9, 64 | 1});
        QTest::newRow("named key") << "Ctrl+PgDown" << S(X11Shortcut{0xff56, 4});
        QTest::newRow("digit alone") << "7" << S(X11Shortcut{'7', 0});
        QTest::newRow("empty") << "" << S();
        QTest::newRow("unknown modifier") << "Hyper+P" << S();
        QTest::newRow("unknown key") << "Ctrl+Ä" << S();
        QTest::newRow("plus key") << "Ctrl++" << S();
        QTest::newRow("F25") << "F25" << S();
    }
    void shortcutsAreRead() {
        QFETCH(QString, text);
        QFETCH(std::optional<X11Shortcut>, shortcut);
        QCOMPARE(ParseShortcut(text), shortcut);
    }
};

QTEST_GUILESS_MAIN(TestRemoteCommands)
#include "tst_remotecommands.moc"
