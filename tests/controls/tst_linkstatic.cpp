// The link label: its target and text, its colours as the pointer comes and goes and as
// openings succeed or fail, fitting to its text, and the error box of a failed opening.

#include "tests/controls/DesktopHandler.h"

#include "controls/AnswersInAdvance.h"
#include "controls/CLinkStatic.h"
#include "controls/HyperlinkError.h"
#include "controls/StaticText.h"

#include <QDesktopServices>
#include <QScopeGuard>
#include <QtTest>

#include <cmath>

namespace {

const QString kTarget = QStringLiteral("lexado-test:home");

// Pixels of exactly the colour: the underline is drawn in it whole.
int CountPixels(QWidget& widget, const QColor& colour) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour.rgb() ? 1 : 0;
        }
    }
    return count;
}

QString Unable(const QString& reason) {
    return QStringLiteral("Unable to open hyperlink:\n\n") + reason;
}

} // namespace

class TestLinkStatic : public QObject {
    Q_OBJECT

public slots:
    void SaysOpened(const QUrl&) {}

private slots:
    void init() {
        AnswersInAdvance::Enable(true);
        AnswersInAdvance::Clear();
    }

    // An empty target is the text, an empty text shows the target; the tooltip names the
    // target, the pointer is a pointing hand, the font underlined.
    void textAndTarget() {
        const CLinkStatic untargeted(QStringLiteral("访问主页"), QString{});
        QCOMPARE(untargeted.target(), QStringLiteral("访问主页"));
        QCOMPARE(untargeted.toolTip(), QStringLiteral("访问主页"));

        CLinkStatic untitled(QString{}, kTarget);
        QCOMPARE(untitled.text(), kTarget);
        QCOMPARE(untitled.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(untitled.font().underline());
        untitled.SetTarget(QStringLiteral("mailto:lexado@example.org"));
        QCOMPARE(untitled.toolTip(), QStringLiteral("mailto:lexado@example.org"));
        QCOMPARE(untitled.text(), kTarget);
        untitled.SetUnderlined(false);
        QVERIFY(!untitled.font().underline());
    }

    void fitRule_data() {
        QTest::addColumn<unsigned>("style");
        QTest::addColumn<QSize>("extent");
        QTest::addColumn<QRect>("fitted");
        const unsigned middle = StaticStyle::Centre | StaticStyle::CentreImage;
        QTest::newRow("left") << StaticStyle::Left << QSize(45, 13) << QRect(10, 20, 45, 13);
        QTest::newRow("right") << StaticStyle::Right << QSize(45, 13) << QRect(65, 20, 45, 13);
        QTest::newRow("centred") << StaticStyle::Centre << QSize(45, 13) << QRect(37, 20, 45, 13);
        QTest::newRow("middle") << middle << QSize(45, 13) << QRect(37, 28, 45, 13);
        QTest::newRow("middle, growing") << middle << QSize(105, 35) << QRect(8, 18, 105, 35);
        QTest::newRow("right, growing")
            << StaticStyle::Right << QSize(120, 35) << QRect(-10, 20, 120, 35);
    }

    // The rectangle (10, 20, 100, 30) fitted to a text's extent.
    void fitRule() {
        QFETCH(unsigned, style);
        QFETCH(QSize, extent);
        QFETCH(QRect, fitted);
        QCOMPARE(FitRectToText(QRect(10, 20, 100, 30), extent, style), fitted);
    }

    // The link fits itself when its window shows and when its target changes, and not when
    // fitting is off.
    void fitsToItsText() {
        QWidget window;
        window.resize(300, 100);
        auto* left =
            new CLinkStatic(QStringLiteral("写给作者"), kTarget, StaticStyle::Left, &window);
        left->setGeometry(10, 20, 200, 30);
        auto* right =
            new CLinkStatic(QStringLiteral("写给作者"), kTarget, StaticStyle::Right, &window);
        right->setGeometry(10, 60, 200, 30);
        window.show();
        const QFontMetricsF metrics(left->font());
        const QSize extent(
            static_cast<int>(std::ceil(metrics.horizontalAdvance(QStringLiteral("写给作者")))),
            static_cast<int>(std::ceil(metrics.height())));
        QCOMPARE(left->geometry(), QRect(QPoint(10, 20), extent));
        QCOMPARE(right->geometry(), QRect(QPoint(210 - extent.width(), 60), extent));
        QCOMPARE(left->sizeHint(), extent);

        right->SetFitToText(false);
        right->setGeometry(10, 60, 200, 30);
        right->SetTarget(kTarget);
        QCOMPARE(right->geometry(), QRect(10, 60, 200, 30));
        right->SetFitToText(true);
        QCOMPARE(right->geometry(), QRect(QPoint(210 - extent.width(), 60), extent));
    }

    // Link colour, hover colour while the pointer is over it, visited colour after an opening
    // the handler took, link colour again after one that failed. On X11 Qt's desktop services
    // say yes to every link they hand on; a handler of Qt's own plays them here, and xdg-open's
    // answer is what counts.
    void coloursFollowThePointerAndTheOpenings() {
        DesktopHandler handler;
        QDesktopServices::setUrlHandler(QStringLiteral("lexado-test"), this, "SaysOpened");
        const auto unset =
            qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("lexado-test")); });
        QWidget window;
        window.resize(200, 60);
        auto* link = new CLinkStatic(QStringLiteral("Lexado"), kTarget, StaticStyle::Left, &window);
        link->move(10, 10);
        link->SetLinkColours(CLinkStatic::kLinkColour, CLinkStatic::kVisitedColour,
                             QColor(200, 0, 0));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto colourShown = [&](const QColor& colour) {
            return link->currentColour() == colour && CountPixels(*link, colour) >= 10;
        };
        QVERIFY(colourShown(CLinkStatic::kLinkColour));

        QTest::mouseMove(link, link->rect().center());
        QTRY_VERIFY(colourShown(QColor(200, 0, 0)));
        QTest::mouseMove(&window, QPoint(150, 50));
        QTRY_VERIFY(colourShown(CLinkStatic::kLinkColour));

        QTest::mouseMove(link, link->rect().center());
        QTRY_VERIFY(link->pointerOver());
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        QCOMPARE(handler.Opened(), QStringList{kTarget});
        QVERIFY(link->visited());
        QVERIFY(colourShown(QColor(200, 0, 0))); // the pointer is still over it
        QTest::mouseMove(&window, QPoint(150, 50));
        QTRY_VERIFY(colourShown(CLinkStatic::kVisitedColour));
        QVERIFY(AnswersInAdvance::Messages().isEmpty());

        handler.Fail();
        link->Open();
        QVERIFY(!link->visited());
        QVERIFY(colourShown(CLinkStatic::kLinkColour));
        QCOMPARE(AnswersInAdvance::Messages(),
                 QStringList{Unable("There is no application associated\nwith the given "
                                    "filename extension.")});
    }

    // A file that is not there is reported before any handler sees it.
    void missingFiles_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("file URL") << "file://%1/missing.txt"
                                  << "The specified file was not found.";
        QTest::newRow("path") << "%1/missing.txt"
                              << "The specified file was not found.";
        QTest::newRow("folder") << "%1/missing/file.txt"
                                << "The specified path was not found.";
    }

    void missingFiles() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        DesktopHandler handler;
        CLinkStatic link(QStringLiteral("Lexado"), target.arg(handler.filePath(".")));
        link.SetVisited(true);
        link.Open();
        QVERIFY(!link.visited());
        QCOMPARE(AnswersInAdvance::Messages(), QStringList{Unable(reason)});
        QCOMPARE(handler.Opened(), QStringList{});
    }

    void errorTexts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::newRow("0") << 0 << "The operating system is out\nof memory or resources.";
        QTest::newRow("26") << 26 << "A sharing violation occurred. ";
        QTest::newRow("30") << 30
                            << "The DDE transaction could not\nbe completed because other DDE "
                               "transactions\nwere being processed.";
        QTest::newRow("32") << 32 << "The specified dynamic-link library was not found.";
        QTest::newRow("99") << 99 << "Unknown Error (99) occurred.";
        QTest::newRow("33") << 33 << "Unknown Error (33) occurred.";
    }

    void errorTexts() {
        QFETCH(int, code);
        QFETCH(QString, reason);
        QCOMPARE(HyperlinkErrorText(code), Unable(reason));
    }
};

QTEST_MAIN(TestLinkStatic)
#include "tst_linkstatic.moc"
