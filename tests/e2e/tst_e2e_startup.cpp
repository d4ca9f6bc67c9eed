// Start-up of the real program in a real X server: the splash picture, the interface language
// the desktop asks for, the help window, and a program that has no language file at all.

#include "tests/e2e/E2eSupport.h"

#include "library/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace {

const QString kBuildFolder = QFileInfo(QStringLiteral(LEXADO_BINARY)).absolutePath();

constexpr QSize kSplashSize(297, 220);

// The menu's frame and its first row, a row of 20 pixels below a frame of 3.
constexpr int kFirstRowBottom = 23;

// The language the program speaks when the desktop asks for `wanted`: that language when the
// build has its file, English otherwise.
QString LanguageSpoken(const QString& wanted) {
    const bool built = QFileInfo::exists(kBuildFolder + "/language/" + wanted + ".qm");
    return built ? wanted : QStringLiteral("English");
}

// The title of a language's help page, which the help window takes.
QString HelpTitle(const QString& language) {
    const QString page = QString::fromUtf8(
        ReadWholeFile(kBuildFolder + "/help/" + language + "/index.html").value_or(""));
    return QRegularExpression(QStringLiteral("<title>(.*)</title>")).match(page).captured(1);
}

// A visible window of the program other than `except`, of the size and the name given.
QString OtherWindow(Lexado& lexado, const QString& except, const std::optional<QSize>& size,
                    const QString& name = {}) {
    for (const QString& window : lexado.VisibleWindows()) {
        if (window != except && (!size || WindowGeometry(window).size() == *size) &&
            (name.isEmpty() || WindowName(window) == name)) {
            return window;
        }
    }
    return {};
}

StartOptions WithArguments(const QStringList& arguments) {
    StartOptions options;
    options.arguments = arguments;
    return options;
}

} // namespace

class TestE2eStartup : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folders_ = std::make_unique<E2eFolders>();
        MovePointerTo(kParking);
    }

    // The desktop's locale, or --language, chooses the language; a language without its file
    // falls back to English without a word. Under each locale (whose fonts it draws in) the
    // first menu row differs from the one of the program's own language unless that is the
    // language in use, and F1 opens the help page of the language in use, which Alt+X closes
    // with the program.
    void speaksTheDesktopsLanguage() {
        struct Start {
            QString locale;
            QString option; // the value of --language, if any
            QString asked;  // the language the desktop or the option asks for
        };
        const QString own = QStringLiteral("pChinese");
        const QList<Start> starts{
            {"zh_CN.UTF-8", {}, own},  {"zh_CN.UTF-8", "english", "English"},
            {"en_US.UTF-8", own, own}, {"en_US.UTF-8", {}, "English"},
            {"de_DE.UTF-8", own, own}, {"de_DE.UTF-8", {}, "German"},
            {"zh_TW.UTF-8", own, own}, {"zh_TW.UTF-8", {}, "cChinese"},
        };
        QVERIFY(QDir().mkpath(LEXADO_ARTIFACTS_DIR));
        QHash<QString, QImage> ownRows; // by locale, the first row in the program's own language
        for (const Start& start : starts) {
            const QString spoken = LanguageSpoken(start.asked);
            const QString name = start.locale.section(u'.', 0, 0) + u'-' + spoken;
            qInfo("%s: %s asked for, %s spoken", qPrintable(start.locale), qPrintable(start.asked),
                  qPrintable(spoken));
            QStringList arguments{QStringLiteral("--no-splash")};
            if (!start.option.isEmpty()) {
                arguments << QStringLiteral("--language") << start.option;
            }
            StartOptions options = WithArguments(arguments);
            options.locale = start.locale;
            const std::optional<QImage> row = FirstMenuRow(
                options, LEXADO_ARTIFACTS_DIR "/menu-" + name + ".png", HelpTitle(spoken));
            QVERIFY2(row, qPrintable(name));
            if (spoken == own) {
                ownRows.insert(start.locale, *row);
            } else {
                QVERIFY2(ownRows.contains(start.locale), qPrintable(name));
                QVERIFY2(*row != ownRows.value(start.locale), qPrintable(name));
            }
        }
    }

    // The picture comes first, in the middle of the screen; the main window comes up below it
    // while it is there. A key press closes it and goes no further: F1 opens no help then, the
    // next one does.
    void splashComesFirstAndAKeyClosesIt() {
        Lexado lexado(folders_->home(), folders_->runtime(), WithArguments({}));
        QStringList first;
        QVERIFY(PollUntil([&] {
            first = lexado.VisibleWindows();
            return !first.isEmpty();
        }));
        QVERIFY(std::ranges::any_of(first, [](const QString& window) {
            return WindowGeometry(window).size() == kSplashSize;
        }));
        const QString splash = OtherWindow(lexado, {}, kSplashSize);
        QRect centred(QPoint(), kSplashSize);
        centred.moveCenter(kScreen.center());
        QCOMPARE(WindowGeometry(splash), centred);
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QVERIFY(OtherWindow(lexado, lexado.window(), kSplashSize) == splash);

        lexado.Press(QStringLiteral("F1"));
        QVERIFY(PollUntil([&] { return OtherWindow(lexado, lexado.window(), {}).isEmpty(); }));
        QTest::qWait(300);
        QCOMPARE(lexado.VisibleWindows(), QStringList{lexado.window()});
        lexado.Press(QStringLiteral("F1"));
        QVERIFY(PollUntil([&] { return !OtherWindow(lexado, lexado.window(), {}).isEmpty(); }));
        QCOMPARE(lexado.Exit(), 0);
    }

    // Started to serve another program, it shows its main window and nothing else.
    void embeddingShowsNoSplash() {
        Lexado lexado(folders_->home(), folders_->runtime(), WithArguments({"-Embedding"}));
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QCOMPARE(lexado.VisibleWindows(), QStringList{lexado.window()});
        QCOMPARE(lexado.Exit(), 0);
    }

    // A program with no language file at all says so and ends before its main window: its
    // folder is not even filled.
    void noLanguageFileEndsWithAMessage() {
        QTemporaryDir install;
        const QString program = install.filePath(QStringLiteral("bin/lexado"));
        QVERIFY(QDir().mkpath(install.filePath(QStringLiteral("bin"))));
        QVERIFY(QFile::copy(QStringLiteral(LEXADO_BINARY), program));
        StartOptions options;
        options.program = program;
        Lexado lexado(folders_->home(), folders_->runtime(), options);
        QString box;
        QVERIFY(PollUntil([&] {
            box = OtherWindow(lexado, {}, std::nullopt, QStringLiteral("Lexado"));
            return !box.isEmpty();
        }));
        QCOMPARE(lexado.VisibleWindows(), QStringList{box});
        Xdotool({"windowfocus", "--sync", box, "key", "Return"});
        QCOMPARE(lexado.WaitForEnd(), 1);
        QVERIFY(!QFileInfo::exists(folders_->homeFile(QStringLiteral("table.ini"))));
    }

private:
    // Starts the program, and opens its menu: the menu's first row, with the whole screen kept
    // in `shotPath`. Then F1 must open the help window titled `helpTitle`, and Alt+X end the
    // program with it. Nothing when any of it fails.
    std::optional<QImage> FirstMenuRow(const StartOptions& options, const QString& shotPath,
                                       const QString& helpTitle) {
        QDir(folders_->home()).removeRecursively();
        Lexado lexado(folders_->home(), folders_->runtime(), options);
        if (lexado.WaitForWindow().isEmpty() ||
            lexado.VisibleWindows() != QStringList{lexado.window()}) {
            return std::nullopt;
        }
        // The pointer comes from elsewhere: a window mapped under a pointer that has not moved
        // since gets no button events from the X server until it moves.
        const QPoint at = WindowGeometry(lexado.window()).center();
        Xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click",
                 "3"});
        QString menu;
        if (!PollUntil([&] {
                menu = OtherWindow(lexado, lexado.window(), std::nullopt);
                return !menu.isEmpty();
            })) {
            return std::nullopt;
        }
        // The frame and the first row, once the menu is drawn: two screenshots agree.
        QRect rowArea = WindowGeometry(menu);
        rowArea.setHeight(kFirstRowBottom);
        QImage row;
        if (!PollUntil([&] {
                const QImage before = std::exchange(row, Screenshot(shotPath).copy(rowArea));
                return row == before;
            })) {
            return std::nullopt;
        }
        Xdotool({"key", "Escape"});
        MovePointerTo(kParking);
        if (!PollUntil([&] { return lexado.VisibleWindows() == QStringList{lexado.window()}; })) {
            return std::nullopt;
        }
        lexado.Press(QStringLiteral("F1"));
        QString help;
        if (!PollUntil([&] {
                help = OtherWindow(lexado, lexado.window(), std::nullopt, helpTitle);
                return !help.isEmpty();
            }) ||
            lexado.Exit() != 0 ||
            Lines(Xdotool({"search", "--onlyvisible", "--name", "."})).contains(help)) {
            return std::nullopt;
        }
        return row;
    }

    std::unique_ptr<E2eFolders> folders_;
};

QTEST_GUILESS_MAIN(TestE2eStartup)
#include "tst_e2e_startup.moc"
