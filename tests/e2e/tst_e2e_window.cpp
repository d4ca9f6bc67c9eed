// The real program in a real X server: started on a program folder of its own, driven by
// xdotool as a user would drive it, seen through screenshots, and judged by the files it
// leaves behind.

#include "tests/e2e/E2eSupport.h"

#include "library/TextFile.h"
#include "recitation/SettingsRecord.h"
#include "tests/e2e/XlibRequests.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The background of a first start, RGB(0,128,255).
constexpr QRgb kDefaultBackground = qRgb(0, 128, 255);

QStringList VisibleLxdWindows() {
    return Lines(Xdotool({"search", "--onlyvisible", "--name", "^LXD$"}));
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QByteArray ReadFile(const QString& path) {
    return ReadWholeFile(path).value_or("<missing>");
}

QString SampleFile(const QString& relative) {
    return QFileInfo(QStringLiteral(LEXADO_BINARY)).dir().filePath("sample/" + relative);
}

// The window as it is on the screen now.
QImage WindowShot(const QString& window, const QString& path) {
    return Screenshot(path).copy(WindowGeometry(window));
}

// Takes the window by its middle and moves the pointer to `to` in steps, as a hand would.
void DragMiddleTo(const QString& window, QPoint to) {
    const QPoint from = WindowGeometry(window).center();
    QStringList arguments{
        "mousemove", "--sync", QString::number(from.x()), QString::number(from.y()),
        "mousedown", "1"};
    constexpr int kSteps = 10;
    for (int step = 1; step <= kSteps; ++step) {
        const QPoint at = from + (to - from) * step / kSteps;
        arguments << "mousemove"
                  << "--sync" << QString::number(at.x()) << QString::number(at.y());
    }
    arguments << "mouseup"
              << "1";
    Xdotool(arguments);
}

// A busy loop on every core, as a build or a video call keeps a desktop busy, until it goes.
class CpuLoad {
public:
    CpuLoad() : loops_(QThread::idealThreadCount()) {
        for (QProcess& loop : loops_) {
            loop.start(QStringLiteral("sh"), {"-c", "while :; do :; done"});
        }
    }
    ~CpuLoad() {
        for (QProcess& loop : loops_) {
            loop.kill();
            loop.waitForFinished();
        }
    }

private:
    std::vector<QProcess> loops_;
};

// An X server of the test's own, with one screen of `screen` ("WIDTHxHEIGHTxDEPTH"), named by
// $DISPLAY while the object lives. It keeps its resources when its last client goes.
class OwnXServer {
public:
    explicit OwnXServer(const QString& screen) : previousDisplay_(qgetenv("DISPLAY")) {
        server_.start(QStringLiteral("bash"),
                      {"-c", "exec Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 " + screen +
                                 " 3>&1 >/dev/null 2>&1"});
        if (server_.waitForReadyRead(kWaitMs)) { // Xvfb writes its display number when ready
            display_ = ':' + QString::fromLatin1(server_.readLine()).trimmed();
            qputenv("DISPLAY", display_.toLatin1());
        }
    }
    ~OwnXServer() {
        qputenv("DISPLAY", previousDisplay_);
        server_.kill();
        server_.waitForFinished();
    }

    bool IsUp() const { return !display_.isEmpty(); }

private:
    QByteArray previousDisplay_;
    QProcess server_;
    QString display_;
};

// The bytes of a stored record's word font.
QByteArray FontBytes(const SettingsRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(&record.wordFont), sizeof record.wordFont);
}

} // namespace

char* toString(const WindowRect& r) {
    return QTest::toString(
        QStringLiteral("(%1,%2,%3,%4)").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom));
}

class TestE2eWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folders_ = std::make_unique<QTemporaryDir>();
        runtime_ = std::make_unique<QTemporaryDir>(); // mode 0700, as a runtime folder must be
        // The pointer rests where no window of these tests opens, so that no tooltip covers one.
        MovePointerTo(kParking);
    }

    // A first start fills the program folder from the samples and shows the window, painted
    // in the default background, where the X server says it is.
    void firstStartShowsTheWindow() {
        Lexado lexado(home(), runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        const QRect window = WindowGeometry(lexado.window());
        QVERIFY2(kScreen.contains(window) && window.width() > 20 && window.height() > 20,
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window.x())
                                .arg(window.y())
                                .arg(window.width())
                                .arg(window.height())));

        const QString shotPath = folders_->filePath("screen.png");
        QImage shot;
        const auto mostlyBackground = [&] {
            shot = Screenshot(shotPath);
            return CountPixels(shot, window, kDefaultBackground) >
                   window.width() * window.height() / 2;
        };
        QVERIFY(PollUntil(mostlyBackground));
        QCOMPARE(shot.size(), kScreen.size());
        // Nothing of that colour outside the window: it is drawn where the server has it.
        QCOMPARE(CountPixels(shot, shot.rect(), kDefaultBackground),
                 CountPixels(shot, window, kDefaultBackground));

        for (const char* file : {"table.ini", "data/TOEFL.dat", "data/New_Word.dat"}) {
            QCOMPARE(ReadFile(homeFile(file)), ReadFile(SampleFile(file)));
        }
        QVERIFY(!QFileInfo::exists(homeFile("Lexado.ini"))); // written only by the exit command
        QVERIFY(lexado.IsRunning());
    }

    // Ctrl+P, then Alt+X: the settings file holds the record of a first start, with the cursor
    // after the first entry, and the program ends with 0.
    void exitSavesTheSettings() {
        Lexado lexado(home(), runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        const QRect window = WindowGeometry(lexado.window());
        lexado.Press("ctrl+p");
        QCOMPARE(lexado.Exit(), 0);

        const std::optional<QByteArray> bytes = ReadWholeFile(homeFile("Lexado.ini"));
        QVERIFY(bytes);
        QCOMPARE(bytes->size(), qsizetype(kSettingsRecordSize));
        const SettingsRecord saved = RecordFromBytes(*bytes, SettingsRecord{});
        QCOMPARE(NameField(saved.libraryFile).toByteArray(), QByteArray("TOEFL.dat"));
        QCOMPARE(NameField(saved.libraryName).toByteArray(), QByteArray("TOEFL"));
        QCOMPARE(saved.groupNumber, 1);
        QCOMPARE(saved.position, 1);
        QCOMPARE(saved.repeatCount, 0);
        QCOMPARE(saved.wordTimeMs, 5000);
        QCOMPARE(saved.groupSize, 50);
        QCOMPARE(saved.groupRepeats, 3);
        QCOMPARE(saved.textColor, 0x00FFFFFFu);
        QCOMPARE(saved.backColor, 0x00FF8000u);
        QCOMPARE(saved.barColor, 0x000000FFu);
        QVERIFY(saved.speechOn);
        QVERIFY(saved.showMeaning);
        QVERIFY(saved.showProgressBar);
        QVERIFY(saved.grouping);
        QVERIFY(saved.orderedBrowse);
        QVERIFY(!saved.oneLine);
        QVERIFY(saved.fadeInMeaning);
        QVERIFY(saved.confirmActions);
        QVERIFY(saved.alwaysOnTop);
        QCOMPARE(saved.doubleClickAction, 1);
        QCOMPARE(saved.speechEngineIndex, 0);
        QCOMPARE(NameField(saved.wordFont.lfFaceName).toByteArray(), QByteArray("Arial"));
        QCOMPARE(saved.wordFont.lfHeight, -21); // 16 points at the server's 96 dots per inch
        QCOMPARE(saved.wordFont.lfWeight, 400);
        QVERIFY(saved.speechModeId == kDefaultSpeechModeId);
        QCOMPARE(QPoint(saved.windowRect.left, saved.windowRect.top), window.topLeft());
    }

    // A record left by an earlier run is taken up: the window opens where it was, in its
    // colours, changing from entry to entry; paused, it stands still.
    void pauseHoldsTheEntry() {
        SettingsRecord earlier = DefaultSettings(96, QRect(100, 120, 200, 60));
        earlier.wordTimeMs = 200;
        earlier.speechOn = false;
        earlier.showProgressBar = false; // so that the window changes only with the entry
        earlier.fadeInMeaning = false;
        earlier.backColor = 0x00203040; // RGB(64,48,32)
        QVERIFY(QDir().mkpath(home()));
        QVERIFY(ReplaceFileContents(homeFile("Lexado.ini"), RecordBytes(earlier)));

        Lexado lexado(home(), runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QCOMPARE(WindowGeometry(lexado.window()).topLeft(), QPoint(100, 120));
        const QString shotPath = folders_->filePath("window.png");
        QImage first;
        const auto inItsColours = [&] {
            first = WindowShot(lexado.window(), shotPath);
            const int background = CountPixels(first, first.rect(), qRgb(64, 48, 32));
            return background > first.width() * first.height() / 2;
        };
        QVERIFY(PollUntil(inItsColours));
        QVERIFY(PollUntil([&] { return WindowShot(lexado.window(), shotPath) != first; }));

        lexado.Press("ctrl+p");
        QImage held;
        const auto standsStill = [&] {
            held = WindowShot(lexado.window(), shotPath);
            QTest::qWait(600); // three entries' time
            return WindowShot(lexado.window(), shotPath) == held;
        };
        QVERIFY(PollUntil(standsStill));
        QTest::qWait(600);
        QCOMPARE(WindowShot(lexado.window(), shotPath), held);

        QCOMPARE(lexado.Exit(), 0);
        const std::optional<QByteArray> bytes = ReadWholeFile(homeFile("Lexado.ini"));
        QVERIFY(bytes);
        const SettingsRecord saved = RecordFromBytes(*bytes, SettingsRecord{});
        QVERIFY2(saved.position >= 2, qPrintable(QString::number(saved.position)));
        QCOMPARE(saved.wordTimeMs, 200);
        QCOMPARE(saved.backColor, earlier.backColor);
        QVERIFY(!saved.speechOn);
    }

    // Enter held for three seconds while paused steps once, as a tap does, also on a machine so
    // busy that the X server's repeated releases reach the program before the presses that
    // mark them as repeats.
    void heldEnterStepsOnce() {
        SettingsRecord earlier = DefaultSettings(96, QRect(100, 120, 200, 60));
        earlier.wordTimeMs = 1000000;
        earlier.speechOn = false;
        QVERIFY(QDir().mkpath(home()));
        QVERIFY(ReplaceFileContents(homeFile("Lexado.ini"), RecordBytes(earlier)));
        Lexado lexado(home(), runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        lexado.Press("ctrl+p");
        // Fast, as some set it: about 290 repeats in the three seconds.
        const std::optional<KeyRepeat> usual = ReplaceServerKeyRepeat({100, 10});
        QVERIFY(usual);
        {
            const CpuLoad load;
            Xdotool({"windowfocus", "--sync", lexado.window(), "keydown", "Return", "sleep", "3",
                     "keyup", "Return"});
        }
        QVERIFY(ReplaceServerKeyRepeat(*usual));
        QCOMPARE(lexado.Exit(), 0);
        const std::optional<QByteArray> bytes = ReadWholeFile(homeFile("Lexado.ini"));
        QVERIFY(bytes);
        QCOMPARE(RecordFromBytes(*bytes, SettingsRecord{}).position, 2); // entries 0 and 1 shown
    }

    // Dragged by the pointer the window follows it, and snaps flush into a corner it is pushed
    // past; Alt+X keeps where it is, and the next run opens there.
    void dragMovesTheWindow() {
        QRect moved;
        {
            Lexado lexado(home(), runtime());
            QVERIFY(!lexado.WaitForWindow().isEmpty());
            lexado.Press("ctrl+p"); // the entry, and with it the window's size, stays
            const QRect before = WindowGeometry(lexado.window());
            DragMiddleTo(lexado.window(), before.center() + QPoint(400, 300));
            QTRY_COMPARE_WITH_TIMEOUT(WindowGeometry(lexado.window()), before.translated(400, 300),
                                      kWaitMs);
            moved = WindowGeometry(lexado.window());
            QCOMPARE(lexado.Exit(), 0);
            QCOMPARE(SavedWindowRect(), WindowRectOf(moved));
        }

        Lexado lexado(home(), runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QCOMPARE(WindowGeometry(lexado.window()).topLeft(), moved.topLeft());
        lexado.Press("ctrl+p");
        const QSize size = WindowGeometry(lexado.window()).size();
        DragMiddleTo(lexado.window(), kScreen.bottomRight());
        const QRect corner(kScreen.right() + 1 - size.width(), kScreen.bottom() + 1 - size.height(),
                           size.width(), size.height());
        QTRY_COMPARE_WITH_TIMEOUT(WindowGeometry(lexado.window()), corner, kWaitMs);
        QCOMPARE(lexado.Exit(), 0);
        QCOMPARE(SavedWindowRect(), WindowRectOf(corner));
    }

    // A second copy, even one for another folder, ends at once with 0, shows no window and
    // leaves its folder alone; the first runs on.
    void secondCopyEndsAtOnce() {
        Lexado first(home(), runtime());
        QVERIFY(!first.WaitForWindow().isEmpty());

        const QString otherHome = folders_->filePath("other");
        Lexado second(otherHome, runtime());
        QCOMPARE(second.WaitForEnd(), 0);
        const qint64 elapsed = second.RunTime();
        qInfo("the second copy ended after %lld ms", elapsed);
        QVERIFY2(elapsed < 3000, qPrintable(QString::number(elapsed)));
        QVERIFY(!QFileInfo::exists(otherHome));

        QCOMPARE(VisibleLxdWindows(), QStringList{first.window()});
        QVERIFY(first.IsRunning());
        QCOMPARE(first.Exit(), 0);
    }

    // Closed at the window system's request, the program ends and writes no settings.
    void closeRequestWritesNothing() {
        Lexado lexado(home(), runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QVERIFY(SendCloseRequest(lexado.window().toULong()));
        QCOMPARE(lexado.WaitForEnd(), 0);
        QVERIFY(!QFileInfo::exists(homeFile("Lexado.ini")));
        QVERIFY(QFileInfo::exists(homeFile("table.ini")));
    }

    // A desktop at 200 % sets Xft.dpi 192, which Qt takes as a device pixel ratio of 2, or, with
    // its high-DPI scaling off, as a font resolution: either way a first start on a 3840x2160
    // screen shows a window twice the size of one at 96 dpi, and stores the font of a 96-dpi
    // start.
    void firstStartFollowsTheDesktopScale() {
        const OwnXServer server(QStringLiteral("3840x2160x24"));
        QVERIFY(server.IsUp());
        const auto scalingBack = qScopeGuard([] { qunsetenv("QT_ENABLE_HIGHDPI_SCALING"); });
        QSize atNormalDpi;
        QByteArray normalFont;
        for (const auto& [dpi, qtScaling] : {std::pair{96, "1"}, {192, "1"}, {192, "0"}}) {
            QVERIFY(SetXftDpi(dpi));
            qputenv("QT_ENABLE_HIGHDPI_SCALING", qtScaling);
            QVERIFY(QDir(home()).removeRecursively());
            Lexado lexado(home(), runtime());
            QVERIFY(!lexado.WaitForWindow().isEmpty());
            const QSize size = WindowGeometry(lexado.window()).size();
            QCOMPARE(lexado.Exit(), 0);
            const std::optional<QByteArray> bytes = ReadWholeFile(homeFile("Lexado.ini"));
            QVERIFY(bytes);
            const QByteArray font = FontBytes(RecordFromBytes(*bytes, SettingsRecord{}));
            if (dpi == 96) {
                atNormalDpi = size;
                normalFont = font;
                continue;
            }
            const QSize twice = atNormalDpi * 2;
            QVERIFY2(std::abs(size.width() - twice.width()) <= twice.width() / 10 &&
                         std::abs(size.height() - twice.height()) <= twice.height() / 10,
                     qPrintable(QStringLiteral("%1x%2 at %3 dpi (scaling %4), %5x%6 at 96")
                                    .arg(size.width())
                                    .arg(size.height())
                                    .arg(dpi)
                                    .arg(qtScaling)
                                    .arg(atNormalDpi.width())
                                    .arg(atNormalDpi.height())));
            QCOMPARE(font, normalFont);
        }
    }

private:
    // Not made beforehand: the program makes its folder on a first start.
    QString home() const { return folders_->filePath("home"); }
    QString homeFile(const QString& relative) const { return home() + u'/' + relative; }
    QString runtime() const { return runtime_->path(); }

    WindowRect SavedWindowRect() const {
        const std::optional<QByteArray> bytes = ReadWholeFile(homeFile("Lexado.ini"));
        return bytes ? RecordFromBytes(*bytes, SettingsRecord{}).windowRect : WindowRect{};
    }

    std::unique_ptr<QTemporaryDir> folders_;
    std::unique_ptr<QTemporaryDir> runtime_;
};

QTEST_GUILESS_MAIN(TestE2eWindow)
#include "tst_e2e_window.moc"
