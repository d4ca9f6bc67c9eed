// The command line, read as the program reads it, and answered by the real program in a
// terminal without a display.

#include "app/CommandLine.h"

#include <QProcess>
#include <QtTest>

namespace {

const QString kTryHelp = QStringLiteral("Try 'lexado --help' for more information.\n");

// What the command line comes to: the program folder, the switches, or the refusal.
QString Outcome(const CommandLine& c) {
    if (!c.error.isEmpty()) {
        return c.error;
    }
    const QString language = c.language ? QStringLiteral(" language=") + *c.language : QString();
    return QStringLiteral("home=%1 help=%2 version=%3 noSplash=%4")
               .arg(c.home.value_or(QStringLiteral("-")))
               .arg(c.help)
               .arg(c.version)
               .arg(c.noSplash) +
           language;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void readsOptionsAndRefusesTheRest_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* name, QStringList arguments, const char* outcome) {
            QTest::newRow(name) << arguments << QString::fromUtf8(outcome);
        };
        row("nothing", {}, "home=- help=0 version=0 noSplash=0");
        row("home", {"--home", "/h"}, "home=/h help=0 version=0 noSplash=0");
        row("home=", {"--home=/a b"}, "home=/a b help=0 version=0 noSplash=0");
        row("home named --help", {"--home", "--help"}, "home=--help help=0 version=0 noSplash=0");
        row("switches", {"/Embedding", "-AUTOMATION", "--help", "--version"},
            "home=- help=1 version=1 noSplash=1");
        row("no splash", {"--no-splash", "-h"}, "home=- help=1 version=0 noSplash=1");
        row("Qt's own", {"-platform", "xcb", "-style", "fusion", "-session", "1a", "-reverse"},
            "home=- help=0 version=0 noSplash=0");
        row("language", {"--language", "German"},
            "home=- help=0 version=0 noSplash=0 language=German");
        row("language in any case", {"--language=cCHINESE", "-Embedding"},
            "home=- help=0 version=0 noSplash=1 language=cChinese");
        row("unknown language", {"--language", "Klingon", "--help"}, "unknown language 'Klingon'");
        row("language as a file", {"--language", "language/English"},
            "unknown language 'language/English'");
        row("language last", {"--language"}, "option '--language' needs a value: --language NAME");
        row("unknown", {"--home", "/h", "--frobnicate"}, "unknown option '--frobnicate'");
        row("two dashes", {"--Embedding"}, "unknown option '--Embedding'");
        row("single dash word", {"-home", "/h"}, "unknown option '-home'");
        row("stray", {"words.dat"}, "unexpected argument 'words.dat'");
        row("home last", {"--home"}, "option '--home' needs a value: --home DIR");
        row("home= empty", {"--home="}, "option '--home' needs a value: --home DIR");
        row("platform last", {"-platform"}, "option '-platform' needs a value: -platform NAME");
        row("help with value", {"--help=yes"}, "option '--help' takes no value");
    }

    void readsOptionsAndRefusesTheRest() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, outcome);
        QCOMPARE(Outcome(ParseCommandLine(QStringList{"lexado"} + arguments)), outcome);
    }

    // The real program, with no display to connect to.
    void programAnswersInATerminal_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QString>("out");
        QTest::newRow("unknown") << QStringList{"--home", "/h", "--bogus", "--help"} << 2
                                 << "lexado: unknown option '--bogus'\n" + kTryHelp << QString();
        QTest::newRow("home without folder")
            << QStringList{"--home"} << 2
            << "lexado: option '--home' needs a value: --home DIR\n" + kTryHelp << QString();
        QTest::newRow("unknown language")
            << QStringList{"--language", "Deutsch"} << 2
            << "lexado: unknown language 'Deutsch'\n" + kTryHelp << QString();
        QTest::newRow("help after switches")
            << QStringList{"/automation", "--no-splash", "--help", "--version"} << 0 << QString()
            << QStringLiteral(
                   "Usage: lexado [OPTION]...\n"
                   "A vocabulary trainer: shows the words of a library one after another.\n\n"
                   "  --home DIR       keep settings, catalogue and libraries in DIR\n"
                   "  --language NAME  start in language NAME, one of pChinese, cChinese, "
                   "English, Japanese,\n"
                   "                   Korean, German, French, Spanish, Russian\n"
                   "  --no-splash      start without the splash picture\n"
                   "  --help           show this help\n"
                   "  --version        show the version\n");
        QTest::newRow("version") << QStringList{"--version"} << 0 << QString()
                                 << QStringLiteral("Lexado " LEXADO_VERSION "\n");
    }

    void programAnswersInATerminal() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, errors);
        QFETCH(QString, out);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(LEXADO_BINARY), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), errors);
        QCOMPARE(program.exitCode(), exitCode);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
