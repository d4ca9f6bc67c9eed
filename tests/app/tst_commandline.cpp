// The command line, read as the program reads it, and answered by the real program in a
// terminal without a display: the usage, the refusals, and the import and export of word lists
// with the files they leave in a program folder.

#include "app/CommandLine.h"
#include "library/LibraryImport.h"
#include "library/TextFile.h"
#include "speech/IpaTranscription.h"
#include "strings/StringTable.h"
#include "tests/support/Fifo.h"
#include "tests/support/ProgramFolder.h"

#include <QProcess>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {

const QString kTryHelp = QStringLiteral("Try 'lexado --help' for more information.\n");
const QString kEnglish = QStringLiteral("en_GB.UTF-8");
const QString kKvtml = QStringLiteral("/usr/share/apps/kvtml/en/clothing.kvtml");

// What the command line comes to: the program folder, the switches, the word-list commands,
// or the refusal.
QString Outcome(const CommandLine& c) {
    if (!c.error.isEmpty()) {
        return c.error;
    }
    QString outcome = QStringLiteral("home=%1 help=%2 version=%3 noSplash=%4")
                          .arg(c.home.value_or(QStringLiteral("-")))
                          .arg(c.help)
                          .arg(c.version)
                          .arg(c.noSplash);
    if (c.language) {
        outcome += QStringLiteral(" language=") + *c.language;
    }
    if (c.importFile) {
        outcome += QStringLiteral(" import=%1 name=%2")
                       .arg(*c.importFile, c.libraryName.value_or(QStringLiteral("-")));
    }
    if (c.exportName) {
        outcome += QStringLiteral(" export=%1>%2").arg(*c.exportName, c.exportFile);
    }
    if (c.stats) {
        outcome += QStringLiteral(" stats=") + c.statsLibrary.value_or(QStringLiteral("all"));
    }
    return outcome;
}

// What the program answered: its exit code (-1 when it crashed or hung), its output and its
// error output.
struct Answer {
    int exitCode = -1;
    QString out;
    QString errors;
};

// Starts the real program with no display to connect to, its desktop in the locale's language.
void StartProgram(QProcess& program, const QStringList& arguments,
                  const QString& locale = kEnglish) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LC_ALL"), locale);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(LEXADO_BINARY), arguments);
}

Answer RunProgram(const QStringList& arguments, const QString& locale = kEnglish) {
    QProcess program;
    StartProgram(program, arguments, locale);
    Answer answer;
    if (program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit) {
        answer.exitCode = program.exitCode();
    }
    answer.out = QString::fromUtf8(program.readAllStandardOutput());
    answer.errors = QString::fromUtf8(program.readAllStandardError());
    return answer;
}

QByteArray FileBytes(const QString& path) {
    return ReadWholeFile(path).value_or("<missing>");
}

bool IsFifo(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// What data/ holds that table.ini does not account for: a library file not listed, an empty
// one, a file left by an import cut short.
QStringList Unaccounted(const QString& home) {
    const QByteArray table = FileBytes(home + "/table.ini");
    QStringList unaccounted;
    const QDir data(home + "/data");
    for (const QFileInfo& file : data.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (file.size() == 0 || !table.contains("#" + file.fileName().toUtf8() + "\r\n")) {
            unaccounted << file.fileName();
        }
    }
    return unaccounted;
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
        row("import named", {"--import", "w.csv", "--name", "My words"},
            "home=- help=0 version=0 noSplash=0 import=w.csv name=My words");
        row("export", {"--export", "TOEFL", "t.tsv", "--home", "/h"},
            "home=/h help=0 version=0 noSplash=0 export=TOEFL>t.tsv");
        row("export without file", {"--export", "TOEFL"},
            "option '--export' needs a value: --export NAME FILE");
        row("name alone", {"--name", "N"}, "option '--name' goes with --import FILE");
        row("import and export", {"--import", "w.csv", "--export", "T", "t.tsv"},
            "options '--import' and '--export' cannot be combined");
        row("stats", {"--stats", "--library", "TOEFL"},
            "home=- help=0 version=0 noSplash=0 stats=TOEFL");
        row("library alone", {"--library", "TOEFL"}, "option '--library' goes with --stats");
        row("stats and a command", {"--stats", "--current"},
            "option '--stats' cannot be combined with another command");
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
                   "  --home DIR          keep settings, catalogue and libraries in DIR\n"
                   "  --import FILE       import a word list (KVTML, CSV, tab-separated) as a "
                   "new library\n"
                   "  --name NAME         the name of the library --import makes\n"
                   "  --export NAME FILE  write the library NAME to FILE as tab-separated text\n"
                   "  --stats             print the memory's figures of each library, "
                   "tab-separated\n"
                   "  --library NAME      with --stats: only the library NAME\n"
                   "  --language NAME     start in language NAME, one of pChinese, cChinese, "
                   "English, Japanese,\n"
                   "                      Korean, German, French, Spanish, Russian\n"
                   "  --no-splash         start without the splash picture\n"
                   "  --help              show this help\n"
                   "  --version           show the version\n"
                   "  --pause             pause the running Lexado\n"
                   "  --resume            let the running Lexado go on\n"
                   "  --toggle-pause      pause or resume the running Lexado\n"
                   "  --next              show the next word at once\n"
                   "  --known             rate the word on show \"I know it\"\n"
                   "  --again             rate the word on show \"I don't know it\"\n"
                   "  --show              show Lexado's window\n"
                   "  --hide              hide Lexado's window (the recitation pauses)\n"
                   "  --quit              save the settings and quit the running Lexado\n"
                   "  --current           print the word on show: word, phonetic and meaning, "
                   "tab-separated\n");
        QTest::newRow("version as the About box says it")
            << QStringList{"--version"} << 0 << QString()
            << StringText(StringId::AboutVersion) + "\n";
    }

    void programAnswersInATerminal() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, errors);
        QFETCH(QString, out);
        const Answer answer = RunProgram(arguments);
        QCOMPARE(answer.errors, errors);
        QCOMPARE(answer.exitCode, exitCode);
        QCOMPARE(answer.out, out);
    }

    // The usage in the desktop's language, as the window would speak.
    void helpInTheDesktopsLanguage() {
        const Answer answer = RunProgram({"--help"}, "zh_CN.UTF-8");
        QCOMPARE(answer.exitCode, 0);
        QVERIFY(answer.out.startsWith(StringText(StringId::UsageHeading) + "\n\n"));
        QVERIFY(answer.out.contains("\n  --home DIR          " + StringText(StringId::UsageHome)));
    }

    // A first use of a fresh folder, filled with the sample library; a CSV file and a word
    // list the desktop ships imported with their phonetics filled in; a library exported and
    // imported again unchanged.
    void importsAndExportsWithoutAWindow() {
        const QTemporaryDir temp;
        const QString home = temp.filePath("home");
        const QString csv = temp.filePath("list.csv");
        QVERIFY(ReplaceFileContents(csv, "ox,牛\r\nant,蚁,ænt\r\n"));
        const QString sampleTable = QStringLiteral("TOEFL#TOEFL.dat\r\n");

        Answer answer = RunProgram({"--import", csv, "--home", home});
        QCOMPARE(answer.errors, QString());
        QCOMPARE(answer.out,
                 QStringLiteral("Imported the library “list” (file list.dat). Entries: 2; "
                                "phonetic transcriptions added: 1.\n"));
        QCOMPARE(answer.exitCode, 0);
        QCOMPARE(FileBytes(home + "/data/list.dat"), QByteArray("ox#牛#ˈɒks\r\nant#蚁#ænt\r\n"));
        QCOMPARE(FileBytes(home + "/table.ini"), sampleTable + "list#list.dat\r\n");
        QVERIFY(QFile::exists(home + "/data/TOEFL.dat"));

        // In the desktop's language.
        answer = RunProgram({"--home", home, "--import", kKvtml, "--name", "衣服"}, "zh_CN.UTF-8");
        QCOMPARE(answer.out, QStringLiteral("已导入词库“衣服”（文件 衣服.dat）：17 个词条，"
                                            "其中 17 个补上了音标。\n"));
        QCOMPARE(answer.exitCode, 0);
        const ConvertedWordList clothing = ConvertWordList(FileBytes(kKvtml), &IpaTranscription);
        QCOMPARE(FileBytes(home + "/data/衣服.dat"), clothing.lines.text());
        QCOMPARE(FileBytes(home + "/table.ini"),
                 sampleTable + "list#list.dat\r\n衣服#衣服.dat\r\n");

        // By name or by file name.
        const QString tsv = temp.filePath("clothing.tsv");
        answer = RunProgram({"--home", home, "--export", "衣服", tsv});
        QCOMPARE(answer.out, QStringLiteral("Entries exported: 17.\n"));
        QCOMPARE(answer.exitCode, 0);
        answer = RunProgram({"--home", home, "--export", "list.dat", temp.filePath("list.tsv")});
        QCOMPARE(answer.out, QStringLiteral("Entries exported: 2.\n"));
        QCOMPARE(FileBytes(temp.filePath("list.tsv")),
                 QByteArray("#separator:tab\n#html:false\n#columns:Word\tMeaning\tPhonetic\n"
                            "ox\t牛\tˈɒks\nant\t蚁\tænt\n"));

        answer = RunProgram({"--home", home, "--import", tsv, "--name", "衣服"});
        QCOMPARE(answer.out,
                 QStringLiteral("Imported the library “衣服-2” (file 衣服-2.dat). Entries: 17; "
                                "phonetic transcriptions added: 0.\n"));
        QCOMPARE(answer.exitCode, 0);
        QCOMPARE(FileBytes(home + "/data/衣服-2.dat"), clothing.lines.text());
    }

    // Refused input writes nothing and says why, naming the file; a file that cannot be
    // written ends with 1.
    void refusesBadInput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errors");
        const auto row = [](const char* name, QStringList arguments, int exitCode,
                            const char* errors, const QString& locale = kEnglish) {
            QTest::newRow(name) << arguments << locale << exitCode << QString::fromUtf8(errors);
        };
        row("no such file", {"--import", "%dir/none.csv"}, 2,
            "lexado: %dir/none.csv: The file cannot be opened.\n");
        row("no such file, in Chinese", {"--import", "%dir/none.csv"}, 2,
            "lexado: %dir/none.csv: 无法打开该文件。\n", "zh_CN.UTF-8");
        row("no words", {"--import", "%dir/blank.csv"}, 2,
            "lexado: %dir/blank.csv: The file contains no words to import.\n");
        row("binary", {"--import", "%dir/binary.dat"}, 2,
            "lexado: %dir/binary.dat: The file is not a word list: KVTML files and text separated "
            "by commas or tabs can be imported.\n");
        row("malformed", {"--import", "%dir/broken.kvtml"}, 2,
            "lexado: %dir/broken.kvtml: Format error in line 4 of the file.\n");
        row("# in name", {"--import", "%dir/list.csv", "--name", "a#b"}, 2,
            "lexado: %dir/list.csv: A library name cannot contain “#”.\n");
        row("not listed", {"--export", "Nope", "%dir/out.tsv"}, 2,
            "lexado: No library “Nope” is listed.\n");
        row("file gone", {"--export", "Gone", "%dir/out.tsv"}, 2,
            "lexado: gone.dat: The library file was not found.\n");
        row("cannot write", {"--export", "TOEFL", "%dir/no/out.tsv"}, 1,
            "lexado: %dir/no/out.tsv: Error writing file! Cannot write in the folder %dir/no.\n");
        const auto refused = [](const char* name, QStringList arguments, StringId text) {
            QTest::newRow(name) << arguments << "zh_CN.UTF-8" << 2
                                << "lexado: " + arguments.constLast() + ": " + StringText(text) +
                                       "\n";
        };
        for (const char* control : {"a\nb", "\t", "\x7f"}) {
            refused(control, {"--name", control, "--import", "%dir/list.csv"},
                    StringId::ControlCharacterInName);
        }
        for (const char* blank : {" ", "\u3000 "}) {
            refused(blank, {"--name", blank, "--import", "%dir/list.csv"},
                    StringId::BlankLibraryName);
        }
        refused("export to a FIFO", {"--export", "TOEFL", "%dir/pipe"},
                StringId::ExportNotRegularFile);
        refused("export to a folder", {"--export", "TOEFL", "%dir"},
                StringId::ExportNotRegularFile);
        QTest::newRow("folder cannot be made, in Chinese")
            << QStringList{"--home", "%dir/list.csv/home", "--export", "TOEFL", "%dir/out.tsv"}
            << "zh_CN.UTF-8" << 1
            << "lexado: " + StringText(StringId::CannotCreateFolder).arg("%dir/list.csv/home") +
                   "\n";
    }

    void refusesBadInput() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(int, exitCode);
        QFETCH(QString, errors);
        const QTemporaryDir sources;
        const ProgramFolder home;
        const QByteArray table = "TOEFL#TOEFL.dat\r\nGone#gone.dat\r\n";
        home.write("table.ini", table);
        home.write("data/TOEFL.dat", "ox#牛\r\n");
        QVERIFY(ReplaceFileContents(sources.filePath("list.csv"), "ox,牛\r\n"));
        QVERIFY(ReplaceFileContents(sources.filePath("blank.csv"), ",\r\n\r\n"));
        QVERIFY(ReplaceFileContents(sources.filePath("binary.dat"), QByteArray("\x80\xff\0", 3)));
        QVERIFY(ReplaceFileContents(sources.filePath("broken.kvtml"),
                                    "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n"
                                    "<entries>\n"));
        const Fifo pipe(sources.filePath("pipe"));
        QVERIFY(pipe.made());
        arguments.replaceInStrings("%dir", sources.path());

        const Answer answer = RunProgram(QStringList{"--home", home.path()} + arguments, locale);
        QCOMPARE(answer.errors, QString(errors).replace("%dir", sources.path()));
        QCOMPARE(answer.out, QString());
        QCOMPARE(answer.exitCode, exitCode);
        QCOMPARE(home.read("table.ini"), table);
        QCOMPARE(QDir(home.filePath("data")).entryList(QDir::Files), (QStringList{"TOEFL.dat"}));
        QVERIFY(!QFile::exists(sources.filePath("out.tsv")));
        QVERIFY(IsFifo(sources.filePath("pipe")));
    }

    // Imports into one folder at the same time all keep their line in table.ini.
    void importsAtOnceKeepEveryLine() {
        const ProgramFolder home;
        home.write("table.ini", "TOEFL#TOEFL.dat\r\n");
        home.write("a.csv", "ox,牛\r\n");
        home.write("b.csv", "ant,蚁\r\n");
        for (int round = 1; round <= 3; ++round) {
            QProcess first;
            QProcess second;
            StartProgram(first, {"--home", home.path(), "--import", home.filePath("a.csv")});
            StartProgram(second, {"--home", home.path(), "--import", home.filePath("b.csv")});
            QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
            QCOMPARE(first.exitCode(), 0);
            QCOMPARE(second.exitCode(), 0);
            const QByteArray suffix = round == 1 ? "" : "-" + QByteArray::number(round);
            for (const QByteArray& name : {"a" + suffix, "b" + suffix}) {
                QVERIFY2(home.read("table.ini").contains(name + "#" + name + ".dat\r\n"), name);
            }
        }
        QCOMPARE(home.read("table.ini").count("\r\n"), 7);
        QCOMPARE(Unaccounted(home.path()), QStringList());
    }

    // An import killed at any moment of its writing leaves either its library file with its
    // line in table.ini, or neither, once the next import has cleared what it left. Each run
    // is killed a few milliseconds after its first file appears in data/.
    void importKilledLeavesNoOrphans() {
        const ProgramFolder home;
        home.write("table.ini", "TOEFL#TOEFL.dat\r\n");
        QByteArray csv;
        for (int i = 0; i < 300000; ++i) {
            csv += "词" + QByteArray::number(i) + ",word\r\n";
        }
        home.write("big.csv", csv);
        const QStringList import{"--home", home.path(), "--import", home.filePath("big.csv")};
        const QDir data(home.filePath("data"));
        const auto files = [&] { return data.entryList(QDir::Files | QDir::Hidden).size(); };
        for (int kill = 0; kill < 10; ++kill) {
            const qsizetype before = files();
            QProcess program;
            StartProgram(program, import);
            while (program.state() != QProcess::NotRunning && files() == before) {
            }
            QTest::qSleep(kill);
            ::kill(pid_t(program.processId()), SIGKILL);
            QVERIFY(program.waitForFinished(60000));
        }
        QCOMPARE(RunProgram(import).exitCode, 0);
        QCOMPARE(Unaccounted(home.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
