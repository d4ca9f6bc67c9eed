// The commands on the words and libraries with a real engine and real files in a program
// folder of their own, the user answering from a script: the new-word book, deleting words,
// progress files, find, choosing a library and what exit saves.

#include "commands/WordCommands.h"
#include "library/LibraryFile.h"
#include "recitation/ProgressFile.h"
#include "recitation/RecitationEngine.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/QuietSettings.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WordLists.h"

#include <QtTest>

using Ids = QList<StringId>;

namespace {

SettingsRecord Confirming(bool confirm) {
    SettingsRecord s = QuietSettings();
    s.confirmActions = confirm;
    return s;
}

// The new-word book being learnt, without confirmations.
SettingsRecord LearningTheBook() {
    SettingsRecord s = Confirming(false);
    SetNameField(s.libraryFile, "New_Word.dat");
    return s;
}

// The engine started on words.dat (or the library the record names) and showing its first
// entry, as the window starts it, with the commands over it.
struct Rig {
    explicit Rig(const SettingsRecord& s, const QByteArrayList& lines = {"apple#苹果"},
                 const QByteArray& book = {}) {
        folder.write("data/words.dat", lines.join("\r\n") + "\r\n");
        if (!book.isNull()) {
            folder.write("data/New_Word.dat", book);
        }
        engine.Start(s, ReadWordLibrary(folder.path(), NameField(s.libraryFile)).entries);
        engine.NextEntry();
    }

    void Run(CommandId command) { QVERIFY(commands.Run(command)); }
    QByteArrayList Words() const { return engine.library().words().toList(); }
    const QByteArray& OnShow() const { return engine.state().currentLine; }
    bool TimersRun() const { return engine.runningTimers().wordPeriodMs != 0; }

    ProgramFolder folder;
    RecitationEngine engine;
    ScriptedUser user;
    int voicesStarted = 0;
    int recordsFitted = 0;
    WordCommands commands{
        engine,
        folder.path(),
        user,
        {[this](SettingsRecord&) { ++recordsFitted; }, [this] { ++voicesStarted; }}};
};

} // namespace

class TestWordCommands : public QObject {
    Q_OBJECT

private slots:
    void addsTheEntryOnShowToTheNewWordBook() {
        Rig rig(Confirming(true), {"apple#苹果#ˈæpl", "pear#梨"});
        rig.Run(CommandId::AddToNewWordBook);
        rig.Run(CommandId::AddToNewWordBook);
        QCOMPARE(rig.folder.read("data/New_Word.dat"),
                 QByteArray("apple#苹果#ˈæpl\r\napple#苹果#ˈæpl\r\n"));
        QCOMPARE(rig.user.said,
                 (Ids{StringId::WordAddedToNewWordBook, StringId::WordAddedToNewWordBook}));

        // Without confirmations nothing is said; a book that cannot be written is reported.
        Rig quiet(Confirming(false), {"pear#梨", "fig#无花果"});
        quiet.Run(CommandId::AddToNewWordBook);
        QCOMPARE(quiet.folder.read("data/New_Word.dat"), QByteArray("pear#梨\r\n"));
        QVERIFY(quiet.user.said.isEmpty());
        QVERIFY(QDir(quiet.folder.filePath("data")).removeRecursively());
        quiet.Run(CommandId::AddToNewWordBook);
        QCOMPARE(quiet.user.said, Ids{StringId::WriteFileError});
    }

    // Emptying asks even without confirmations; only Yes empties. The book being learnt is read
    // again, so it shows that it is empty.
    void emptyingTheBookAlwaysAsks() {
        Rig rig(LearningTheBook(), {}, "a#1\r\nb#2\r\n");
        rig.Run(CommandId::ClearNewWordBook); // answered No
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray("a#1\r\nb#2\r\n"));
        rig.user.yes = {true};
        rig.Run(CommandId::ClearNewWordBook);
        QCOMPARE(rig.user.said,
                 (Ids{StringId::ConfirmClearNewWordBook, StringId::ConfirmClearNewWordBook}));
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray());
        QCOMPARE(rig.Words(), QByteArrayList{"Error#词库为空"});
        QVERIFY(rig.commands.SaveAtExit());
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray());
    }

    // Learning the book itself: a word deleted from it and a word added to it both stay so at
    // exit. When the deletion cannot be written (the book's file is out of reach), adding and
    // emptying fail and the deletion waits in memory for the next rewrite instead of being lost.
    void bookBeingLearntKeepsItsChanges() {
        Rig rig(LearningTheBook(), {}, "a#1\r\nb#2\r\nc#3\r\n");
        rig.Run(CommandId::DeleteWord);
        rig.Run(CommandId::AddToNewWordBook); // "a#1" is still on show
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray("b#2\r\nc#3\r\na#1\r\n"));
        QCOMPARE(rig.Words(), (QByteArrayList{"b#2", "c#3", "a#1"}));

        Rig blocked(LearningTheBook(), {}, "a#1\r\nb#2\r\nc#3\r\n");
        blocked.Run(CommandId::DeleteWord);
        QVERIFY(QFile::remove(blocked.folder.filePath("data/New_Word.dat")));
        QVERIFY(QDir(blocked.folder.path()).mkpath("data/New_Word.dat"));
        blocked.Run(CommandId::AddToNewWordBook);
        blocked.user.yes = {true};
        blocked.Run(CommandId::ClearNewWordBook);
        QCOMPARE(blocked.user.said,
                 (Ids{StringId::LibraryFileNotFound, StringId::WriteFileError,
                      StringId::ConfirmClearNewWordBook, StringId::WriteFileError}));
        QCOMPARE(blocked.Words(), (QByteArrayList{"b#2", "c#3"}));
        QVERIFY(QDir(blocked.folder.filePath("data/New_Word.dat")).removeRecursively());
        QVERIFY(blocked.commands.SaveAtExit());
        QCOMPARE(blocked.folder.read("data/New_Word.dat"), QByteArray("b#2\r\nc#3\r\n"));
    }

    // The deleted entry leaves the list, a second press on it does nothing, and exit rewrites
    // the library without it and with every other line as it was. The last entry never goes.
    void deletesTheEntryOnShowOnce() {
        SettingsRecord s = Confirming(false);
        s.position = 1;
        Rig rig(s, {"apple#苹果#ˈæpl", "\xb9\xfe#gbk", "cat#猫", "  dog#狗"});
        QCOMPARE(rig.OnShow(), QByteArray("\xb9\xfe#gbk"));
        rig.Run(CommandId::DeleteWord);
        rig.Run(CommandId::DeleteWord);
        QCOMPARE(rig.Words(), (QByteArrayList{"apple#苹果#ˈæpl", "cat#猫", "  dog#狗"}));
        QCOMPARE(rig.folder.read("data/words.dat"),
                 QByteArray("apple#苹果#ˈæpl\r\n\xb9\xfe#gbk\r\ncat#猫\r\n  dog#狗\r\n"));
        QVERIFY(rig.commands.SaveAtExit());
        QCOMPARE(rig.folder.read("data/words.dat"),
                 QByteArray("apple#苹果#ˈæpl\r\ncat#猫\r\n  dog#狗\r\n"));
        QVERIFY(rig.user.said.isEmpty());

        Rig two(Confirming(true), {"a#1", "b#2"});
        two.Run(CommandId::DeleteWord); // answered No
        two.user.yes = {true};
        two.Run(CommandId::DeleteWord);
        two.engine.NextEntry();
        two.Run(CommandId::DeleteWord); // refused before any question
        QCOMPARE(two.Words(), QByteArrayList{"b#2"});
        QCOMPARE(two.user.said, (Ids{StringId::ConfirmDeleteWord, StringId::ConfirmDeleteWord}));
    }

    // The word timer runs on while the question is open: the entry asked about goes, and the
    // next delete takes the entry then on show, not its neighbour.
    void deletesTheEntryAskedAbout() {
        Rig rig(Confirming(true), {"a#1", "b#2", "c#3", "d#4"});
        rig.engine.NextEntry();
        rig.user.yes = {true, true};
        rig.user.whileAsked = [&rig] { rig.engine.NextEntry(); };
        rig.Run(CommandId::DeleteWord);
        QCOMPARE(rig.Words(), (QByteArrayList{"a#1", "c#3", "d#4"}));
        QCOMPARE(rig.OnShow(), QByteArray("c#3"));
        rig.Run(CommandId::DeleteWord);
        QCOMPARE(rig.Words(), (QByteArrayList{"a#1", "d#4"}));
    }

    // Saved while library A is current, loaded while B is: A again, from the stored place. The
    // dialog offers progress files; the loaded record is fitted to the window.
    void progressBringsBackLibraryAndPlace() {
        SettingsRecord s = QuietSettings();
        s.groupSize = 3;
        s.groupNumber = 2;
        s.position = 1;
        s.repeatCount = 1;
        Rig rig(s, Entries("a", 9));
        rig.folder.write("data/b.dat", Entries("b", 4).join("\r\n"));
        QCOMPARE(rig.engine.state().currentIndex, 4);
        const QString saved = rig.folder.filePath("place.sav");
        rig.user.texts = {saved};
        rig.Run(CommandId::SaveProgress);
        QCOMPARE(rig.folder.read("place.sav"), RecordBytes(rig.engine.settings()));
        const FileChoice asked = rig.user.fileChoices.constFirst();
        QCOMPARE(asked.mode, FileChoice::Mode::Save);
        QCOMPARE(asked.filter, QStringLiteral("save(*.sav)"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("sav"));

        SettingsRecord b = QuietSettings();
        SetNameField(b.libraryFile, "b.dat");
        QVERIFY(WriteProgressFile(rig.folder.filePath("b.sav"), b));
        rig.user.texts = {rig.folder.filePath("b.sav"), saved};
        rig.Run(CommandId::LoadProgress);
        QCOMPARE(rig.Words(), Entries("b", 4));
        QCOMPARE(rig.OnShow(), QByteArray("b0#意思0"));
        rig.Run(CommandId::LoadProgress);
        QCOMPARE(rig.user.fileChoices.last().mode, FileChoice::Mode::Open);
        QCOMPARE(NameField(rig.engine.settings().libraryFile), QByteArray("words.dat"));
        QCOMPARE(rig.Words(), Entries("a", 9));
        // Group 2 at its third entry; then the pass ends and the group starts again.
        QCOMPARE(rig.OnShow(), QByteArray("a5#意思5"));
        QCOMPARE(rig.engine.settings().groupNumber, 2);
        QCOMPARE(rig.engine.settings().position, 0);
        QCOMPARE(rig.engine.settings().repeatCount, 2);
        QCOMPARE(rig.recordsFitted, 2);
        QVERIFY(rig.TimersRun());
        QVERIFY(rig.user.said.isEmpty());
    }

    // Loaded while paused, the entry of the loaded place stays on show with its meaning. A
    // record that turns speech on starts the voice; one that keeps it on does not again.
    void progressWhilePausedAndWithSpeech() {
        Rig rig(QuietSettings(), Entries("w", 5));
        rig.Run(CommandId::Pause);
        SettingsRecord place = QuietSettings();
        place.position = 3;
        place.speechOn = true;
        QVERIFY(WriteProgressFile(rig.folder.filePath("place.sav"), place));
        rig.user.texts = {rig.folder.filePath("place.sav"), rig.folder.filePath("place.sav")};
        rig.Run(CommandId::LoadProgress);
        QCOMPARE(rig.OnShow(), QByteArray("w3#意思3"));
        QVERIFY(rig.engine.state().paused && rig.engine.state().meaningShown);
        QCOMPARE(rig.engine.runningTimers(), RunningTimers{});
        rig.Run(CommandId::LoadProgress);
        QCOMPARE(rig.voicesStarted, 1);
    }

    void progressNamingAMissingLibrary_data() {
        QTest::addColumn<QByteArray>("fileName");
        QTest::newRow("gone") << QByteArray("gone.dat");
        QTest::newRow("out of data") << QByteArray("../table.ini");
    }

    void progressNamingAMissingLibrary() {
        QFETCH(QByteArray, fileName);
        Rig rig(QuietSettings());
        SettingsRecord lost = QuietSettings();
        SetNameField(lost.libraryFile, fileName);
        QVERIFY(WriteProgressFile(rig.folder.filePath("lost.sav"), lost));
        rig.user.texts = {rig.folder.filePath("lost.sav")};
        rig.Run(CommandId::LoadProgress);
        QCOMPARE(rig.Words(), QByteArrayList{"Error#无该词库文件"});
        QCOMPARE(rig.OnShow(), QByteArray("Error#无该词库文件"));
    }

    // Deletions reach the library's file before the progress file is read, also when it
    // cannot be read; a cancelled dialog changes nothing, and neither does a file that is not
    // one record long (it is refused with a message).
    void refusedLoadsChangeNothingButWriteTheDeletions() {
        Rig rig(Confirming(false), {"a#1", "b#2", "c#3"});
        const QByteArray before = RecordBytes(rig.engine.settings());
        rig.Run(CommandId::LoadProgress); // cancelled
        rig.Run(CommandId::DeleteWord);
        QCOMPARE(rig.folder.read("data/words.dat"), QByteArray("a#1\r\nb#2\r\nc#3\r\n"));
        SettingsRecord other = QuietSettings();
        SetNameField(other.libraryFile, "other.dat");
        rig.folder.write("short.sav", RecordBytes(other).left(100));
        rig.folder.write("long.sav", RecordBytes(other).leftJustified(300, '\0'));
        rig.user.texts = {rig.folder.filePath("absent.sav"), rig.folder.filePath("short.sav"),
                          rig.folder.filePath("long.sav")};
        for (int i = 0; i < 3; ++i) {
            rig.Run(CommandId::LoadProgress);
        }
        QCOMPARE(rig.folder.read("data/words.dat"), QByteArray("b#2\r\nc#3\r\n"));
        QCOMPARE(RecordBytes(rig.engine.settings()), before);
        QCOMPARE(rig.OnShow(), QByteArray("a#1"));
        QCOMPARE(rig.user.said, (Ids{StringId::NotProgressFile, StringId::NotProgressFile}));
        QCOMPARE(rig.recordsFitted, 0);
        QVERIFY(rig.TimersRun());
    }

    // The tick timer runs after a load only when the loaded record needs it; a failed save is
    // reported.
    void loadedRecordDecidesTheTimers() {
        Rig rig(QuietSettings());
        SettingsRecord plain = QuietSettings();
        plain.showProgressBar = false;
        plain.fadeInMeaning = false;
        plain.wordTimeMs = 2000;
        QVERIFY(WriteProgressFile(rig.folder.filePath("plain.sav"), plain));
        plain.showProgressBar = true;
        QVERIFY(WriteProgressFile(rig.folder.filePath("bar.sav"), plain));
        rig.user.texts = {rig.folder.filePath("plain.sav")};
        rig.Run(CommandId::LoadProgress);
        QCOMPARE(rig.engine.runningTimers(), (RunningTimers{2000, 0}));
        rig.user.texts = {rig.folder.filePath("bar.sav"), rig.folder.filePath("no/folder/x.sav")};
        rig.Run(CommandId::LoadProgress);
        QCOMPARE(rig.engine.runningTimers(), (RunningTimers{2000, 40}));
        rig.Run(CommandId::SaveProgress);
        QCOMPARE(rig.user.said, Ids{StringId::WriteFileError});
        QVERIFY(!rig.folder.exists("no"));
    }

    void findLocatesTheFirstMatch() {
        Rig rig(QuietSettings(), {"apple#苹果", "application#应用", "  banana#香蕉"});
        const QList<std::pair<QString, qsizetype>> cases{{"appli", 1}, {"banana", 2}, {"", 0}};
        for (const auto& [text, index] : cases) {
            rig.engine.NextEntry();
            rig.user.texts = {text};
            rig.Run(CommandId::Find);
            QCOMPARE(rig.engine.state().currentIndex, index);
            QCOMPARE(rig.OnShow(), rig.engine.library().words().entry(index));
            QCOMPARE(rig.engine.settings().position, index);
            QCOMPARE(rig.engine.state().tick, 2);
        }
        QVERIFY(rig.user.said.isEmpty());

        // Not found and cancelled: the entry and the cursor stay.
        rig.user.texts = {QStringLiteral("Apple"), std::nullopt};
        rig.Run(CommandId::Find);
        rig.Run(CommandId::Find);
        QCOMPARE(rig.user.said, Ids{StringId::WordNotFound});
        QCOMPARE(rig.engine.state().currentIndex, 0);
        QCOMPARE(rig.engine.settings().position, 0);
        QVERIFY(rig.TimersRun());
    }

    // Grouped, a locate points the cursor into the entry's group. A paused recitation stays
    // paused, showing the entry found with its meaning; resuming shows it again.
    void findInGroupsAndWhilePaused() {
        Rig rig(QuietSettings(), Entries("w", 200));
        rig.Run(CommandId::Pause);
        rig.user.texts = {QStringLiteral("w120#")};
        rig.Run(CommandId::Find);
        QCOMPARE(rig.engine.state().currentIndex, 120);
        QCOMPARE(rig.engine.settings().groupNumber, 3);
        QCOMPARE(rig.engine.settings().position, 20);
        QVERIFY(rig.engine.state().paused && rig.engine.state().meaningShown);
        QCOMPARE(rig.engine.runningTimers(), RunningTimers{});
        rig.Run(CommandId::Pause);
        QCOMPARE(rig.engine.state().currentIndex, 120);
        QVERIFY(rig.TimersRun());
    }

    // A library chosen with entries starts at its beginning, the group size cut to it; a
    // cancelled choice or one without entries keeps the library. The next entry follows in
    // every case, and the timers stand still while the chooser is open.
    void chosenLibraryStartsAtItsBeginning() {
        SettingsRecord s = QuietSettings();
        s.groupSize = 50;
        s.groupNumber = 2;
        s.position = 10;
        Rig rig(s, Entries("w", 120));
        QCOMPARE(rig.engine.state().currentIndex, 60);
        bool timersStopped = false;
        rig.user.whileChoosing = [&] { timersStopped = !rig.TimersRun(); };
        rig.user.libraries = {std::nullopt, ChosenLibrary{"three.dat", "Three", {}},
                              ChosenLibrary{"three.dat", "Three", ListOf(Entries("t", 3))}};
        rig.Run(CommandId::ChooseLibrary);
        rig.Run(CommandId::ChooseLibrary);
        QCOMPARE(rig.engine.state().currentIndex, 62);
        QCOMPARE(rig.Words(), Entries("w", 120));
        rig.Run(CommandId::ChooseLibrary);
        QVERIFY(timersStopped);
        QVERIFY(rig.TimersRun());
        QCOMPARE(rig.user.offers, (QByteArrayList{"words.dat", "words.dat", "words.dat"}));
        QCOMPARE(NameField(rig.engine.settings().libraryFile), "three.dat");
        QCOMPARE(NameField(rig.engine.settings().libraryName), "Three");
        QCOMPARE(rig.Words(), Entries("t", 3));
        QCOMPARE(rig.engine.settings().groupSize, 3);
        QCOMPARE(rig.engine.settings().groupNumber, 1);
        QCOMPARE(rig.engine.settings().repeatCount, 0);
        QCOMPARE(rig.OnShow(), QByteArray("t0#意思0"));
    }

    // The chooser may read the library's file, which holds the deletions by then.
    void changedLibraryIsWrittenBeforeTheChooserOpens() {
        Rig rig(Confirming(false), {"a#甲", "b#乙", "c#丙"});
        rig.Run(CommandId::DeleteWord);
        QByteArray onDiskWhileOpen;
        rig.user.whileChoosing = [&] { onDiskWhileOpen = rig.folder.read("data/words.dat"); };
        rig.Run(CommandId::ChooseLibrary);
        QCOMPARE(onDiskWhileOpen, QByteArray("b#乙\r\nc#丙\r\n"));
        QVERIFY(!rig.engine.library().dirty());
    }

    // A settings file that cannot be written is reported, and then nothing else is written.
    void exitThatCannotSave() {
        Rig rig(Confirming(false), {"a#1", "b#2"});
        rig.Run(CommandId::DeleteWord);
        QVERIFY(QDir(rig.folder.path()).mkpath("Lexado.ini"));
        QVERIFY(!rig.commands.SaveAtExit());
        QCOMPARE(rig.user.said, Ids{StringId::WriteFileError});
        QCOMPARE(rig.folder.read("data/words.dat"), QByteArray("a#1\r\nb#2\r\n"));
        QVERIFY(!rig.commands.Run(CommandId::Settings));
    }
};

QTEST_GUILESS_MAIN(TestWordCommands)
#include "tst_wordcommands.moc"
