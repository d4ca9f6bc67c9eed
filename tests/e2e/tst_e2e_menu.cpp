// The context menu of the real program in a real X server: a right click opens it where the
// pointer is, and commands chosen in it by keyboard reach the window.

#include "tests/e2e/E2eSupport.h"

#include "library/TextFile.h"
#include "recitation/SettingsRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

int CountPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// Pixels of text in the link colour, RGB(0, 0, 238), smoothed into a grey background.
int CountLinkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += qBlue(pixel) >= 236 && qRed(pixel) == qGreen(pixel) && qRed(pixel) < 160;
        }
    }
    return count;
}

// The colour of the strip picture's top row, stretched over the top of the menu's strip.
QRgb StripTop() {
    return QImage(QStringLiteral(LEXADO_PICTURES_DIR "/picture-185.png")).pixel(0, 0);
}

} // namespace

class TestE2eMenu : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folders_ = std::make_unique<QTemporaryDir>();
        runtime_ = std::make_unique<QTemporaryDir>();
        MovePointer(kParking);
    }

    // The menu opens at the pointer, its strip down its left edge; X chooses exit, which saves
    // the settings and ends the program.
    void rightClickOpensTheMenuAndXExits() {
        Lexado lexado(home(), runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        const std::optional<QPoint> at = OpenMenu(lexado);
        QVERIFY(at);
        const QImage shot = Screenshot(folders_->filePath("menu.png"));
        // The strip starts inside the menu's 3-pixel frame, at the pointer.
        QCOMPARE(shot.pixel(*at + QPoint(3, 3)), StripTop());
        QCOMPARE(shot.pixel(*at + QPoint(3 + 24, 3)), StripTop());
        QVERIFY(!QFileInfo::exists(homeFile("Lexado.ini")));

        Xdotool({"key", "x"});
        QCOMPARE(lexado.WaitForEnd(), 0);
        QCOMPARE(ReadWholeFile(homeFile("Lexado.ini")).value_or("").size(),
                 qsizetype(kSettingsRecordSize));
    }

    // Always on top, on at a first start, chosen once is saved off; chosen twice it is back on.
    void alwaysOnTopFromTheMenu() {
        QCOMPARE(RunChoosingAlwaysOnTop(1), 0);
        QCOMPARE(RunChoosingAlwaysOnTop(2), 1);
    }

    // The About row, the second that A reaches, opens the About box in the middle of the
    // screen, its links in the link colour; Return closes it and the program runs on.
    void aboutRowOpensTheAboutBox() {
        Lexado lexado(home(), runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QVERIFY(OpenMenu(lexado));
        Xdotool({"key", "a", "a", "Return"});
        QString box;
        QVERIFY(PollUntil([&] {
            box = Lines(Xdotool({"search", "--onlyvisible", "--name", "^关于$"})).value(0);
            return !box.isEmpty();
        }));
        QCOMPARE(WindowName(box), "关于");
        const QRect frame = WindowGeometry(box);
        QVERIFY((frame.center() - QPoint(640, 400)).manhattanLength() <= 2);
        QVERIFY(QDir().mkpath(LEXADO_ARTIFACTS_DIR));
        QVERIFY(PollUntil([&] {
            const QImage shot = Screenshot(LEXADO_ARTIFACTS_DIR "/about-box.png");
            return CountLinkPixels(shot.copy(frame)) >= 100;
        }));

        Xdotool({"windowfocus", "--sync", box, "key", "Return"});
        QVERIFY(PollUntil([] {
            return Xdotool({"search", "--onlyvisible", "--name", "^关于$"}).isEmpty();
        }));
        QCOMPARE(lexado.Exit(), 0);
    }

private:
    QString home() const { return folders_->filePath("home"); }
    QString homeFile(const QString& relative) const { return home() + u'/' + relative; }
    QString runtime() const { return runtime_->path(); }

    // xdotool's mousemove --sync waits for the pointer to move, so it must not be asked to move
    // the pointer to where it is already.
    void MovePointer(QPoint to) {
        if (to != pointer_) {
            MovePointerTo(to);
            pointer_ = to;
        }
    }

    bool NoMenuOnScreen() const {
        return CountPixels(Screenshot(folders_->filePath("closed.png")), StripTop()) == 0;
    }

    bool MenuOnScreen() const {
        return CountPixels(Screenshot(folders_->filePath("open.png")), StripTop()) >= 25;
    }

    // Once no menu is on the screen, a right click in the middle of the window, and the menu
    // on the screen: the point, or none when the menu does not come.
    std::optional<QPoint> OpenMenu(Lexado& lexado) {
        if (!QTest::qWaitFor([&] { return NoMenuOnScreen(); }, kWaitMs) ||
            lexado.WaitForWindow().isEmpty()) {
            return std::nullopt;
        }
        // The pointer comes from elsewhere: a window mapped under a pointer that has not moved
        // since gets no button events from the X server until it moves.
        const QPoint at = WindowGeometry(lexado.window()).center();
        MovePointer(kParking);
        MovePointer(at);
        Xdotool({"click", "3"});
        if (!QTest::qWaitFor([&] { return MenuOnScreen(); }, kWaitMs)) {
            return std::nullopt;
        }
        return at;
    }

    // A fresh start (always on top), always on top chosen `times` times with A and Return,
    // then exit from the menu: the saved alwaysOnTop, or -1.
    int RunChoosingAlwaysOnTop(int times) {
        QDir(home()).removeRecursively();
        Lexado lexado(home(), runtime());
        if (lexado.WaitForWindow().isEmpty()) {
            return -1;
        }
        for (int i = 0; i < times; ++i) {
            if (!OpenMenu(lexado)) {
                return -1;
            }
            Xdotool({"key", "a", "Return"});
        }
        if (!OpenMenu(lexado)) {
            return -1;
        }
        Xdotool({"key", "x"});
        if (lexado.WaitForEnd() != 0) {
            return -1;
        }
        const std::optional<QByteArray> bytes = ReadWholeFile(homeFile("Lexado.ini"));
        return bytes ? (RecordFromBytes(*bytes, SettingsRecord{}).alwaysOnTop ? 1 : 0) : -1;
    }

    std::unique_ptr<QTemporaryDir> folders_;
    std::unique_ptr<QTemporaryDir> runtime_;
    QPoint pointer_{-1, -1};
};

QTEST_GUILESS_MAIN(TestE2eMenu)
#include "tst_e2e_menu.moc"
