// The menu's rules that need no window: placement against the screen's edges, mnemonics, the
// colours of the pictures, the picture square of a checked row, the arrow and the row layout,
// and the pictures compiled into the program.

#include "controls/MenuLayout.h"
#include "controls/MenuMnemonic.h"
#include "controls/MenuPicture.h"
#include "controls/MenuPlacement.h"
#include "controls/MenuRowDrawing.h"
#include "controls/PictureIds.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

namespace {

constexpr QRect kDesktop(0, 0, 1280, 770); // a 1280 x 800 screen less a 30-pixel panel
constexpr QSize kMenu(200, 300);

MenuColours TestColours() {
    MenuColours c;
    c.menu = QColor(0xEE, 0xEE, 0xEE);
    c.menuText = QColor(0x11, 0x11, 0x11);
    c.highlight = QColor(0x30, 0x60, 0xC0);
    c.highlightText = QColor(0xFE, 0xFE, 0xFE);
    c.grayText = QColor(0x90, 0x90, 0x90);
    c.buttonText = QColor(0x01, 0x02, 0x03);
    c.buttonShadow = QColor(0x60, 0x61, 0x62);
    c.buttonHighlight = QColor(0xFA, 0xFB, 0xFC);
    return c;
}

MenuItem Row(const QString& text, bool greyed = false,
             MenuItem::Type type = MenuItem::Type::Command) {
    MenuItem item;
    item.type = type;
    item.text = text;
    item.greyed = greyed;
    return item;
}

} // namespace

class TestMenuLogic : public QObject {
    Q_OBJECT

private slots:
    // The four positions are tried on the real screen by the widget tests; here the edges
    // themselves, areas that do not start at 0, and menus that fit nowhere.
    void placesMenusAgainstTheEdges() {
        // The tests are strict: touching the far edge does not fit.
        QCOMPARE(PlaceTopLevelMenu({1079, 100}, kMenu, kDesktop), QPoint(1079, 100));
        QCOMPARE(PlaceTopLevelMenu({1080, 100}, kMenu, kDesktop), QPoint(880, 100));
        QCOMPARE(PlaceTopLevelMenu({100, 470}, kMenu, kDesktop), QPoint(100, 170));
        const QRect narrow(0, 0, 300, 770);
        QCOMPARE(PlaceTopLevelMenu({201, 100}, kMenu, narrow), QPoint(1, 100));
        QCOMPARE(PlaceTopLevelMenu({200, 100}, kMenu, narrow), QPoint(200, 100));
        QCOMPARE(PlaceTopLevelMenu({2250, 40}, kMenu, QRect(1280, 30, 1024, 738)),
                 QPoint(2050, 40));
        // Nothing fits: at the point.
        QCOMPARE(PlaceTopLevelMenu({150, 150}, kMenu, QRect(0, 0, 300, 320)), QPoint(150, 150));

        const QRect right(1000, 200, 150, 20); // right edge 1150, bottom 220
        QCOMPARE(PlaceSubMenu(right, kMenu, kDesktop), QPoint(800, 200));
        QCOMPARE(PlaceSubMenu(QRect(500, 480, 150, 20), kMenu, kDesktop), QPoint(650, 200));
        // A sub-menu that fits nowhere goes to the side with more room, pushed into the area.
        QCOMPARE(PlaceSubMenu(right, QSize(200, 800), kDesktop), QPoint(800, 0));
        QCOMPARE(PlaceSubMenu(QRect(10, 200, 1100, 20), kMenu, kDesktop), QPoint(1080, 200));
    }

    void matchesMnemonics() {
        QCOMPARE(MnemonicOf(QStringLiteral("暂停(&P)　Ctrl+P")), QChar(u'P'));
        QCOMPARE(MnemonicOf(QStringLiteral("&about")), QChar(u'A'));
        QVERIFY(MnemonicOf(QStringLiteral("Language")).isNull());
        QVERIFY(MnemonicOf(QStringLiteral("end&")).isNull());

        const MenuDescription items{
            Row("总在最前(&A)"), Row("&Pause"),   Row({}, false, MenuItem::Type::Separator),
            Row("&Read", true),  Row("关于(&A)"), Row("&b"),
        };
        using K = MnemonicMatch::Kind;
        const auto match = [&](QChar key, int highlighted) {
            const MnemonicMatch m = MatchMnemonic(items, key, highlighted);
            return std::pair{m.kind, m.row};
        };
        QCOMPARE(match(u'p', -1), std::pair(K::One, 1));
        QCOMPARE(match(u'B', 3), std::pair(K::One, 5));
        // Two rows share A: the highlight goes round them.
        QCOMPARE(match(u'a', -1), std::pair(K::Several, 0));
        QCOMPARE(match(u'A', 0), std::pair(K::Several, 4));
        QCOMPARE(match(u'A', 4), std::pair(K::Several, 0));
        QCOMPARE(match(u'A', 1), std::pair(K::Several, 4));
        // A greyed row never matches; an unknown key matches nothing.
        QCOMPARE(match(u'R', -1).first, K::None);
        QCOMPARE(match(u'Q', 1).first, K::None);
    }

    // Only the four greys change; a greyed picture is split at the middle grey.
    void recoloursPictures() {
        const MenuColours c = TestColours();
        QImage colours(2, 1, QImage::Format_RGB32);
        colours.setPixel(0, 0, qRgb(0x80, 0x80, 0x81));
        colours.setPixel(1, 0, qRgb(255, 0, 0));
        const QImage recoloured = RecolourPicture(colours, c, true);
        QCOMPARE(recoloured.pixel(0, 0), qRgb(0x80, 0x80, 0x81));
        QCOMPARE(recoloured.pixel(1, 0), qRgb(255, 0, 0));

        // Greyed: dark pixels (nearer black than white) in ink, the others in the ground.
        QImage shades(5, 1, QImage::Format_RGB32);
        shades.setPixel(0, 0, qRgb(0x7F, 0x7F, 0x7F));
        shades.setPixel(1, 0, qRgb(0x80, 0x80, 0x80));
        shades.setPixel(2, 0, qRgb(255, 0, 0));
        shades.setPixel(3, 0, qRgb(255, 255, 0));
        shades.setPixel(4, 0, qRgb(0, 0, 0));
        const QImage greyed = GreyedPicture(shades, c.grayText, c.menu);
        const QList<QRgb> expected{c.grayText.rgb(), c.menu.rgb(), c.grayText.rgb(), c.menu.rgb(),
                                   c.grayText.rgb()};
        for (int x = 0; x < 5; ++x) {
            QCOMPARE(greyed.pixel(x, 0), expected.at(x));
        }
    }

    void floodFillsOneSurface() {
        // A ring of black splits the white image; only the inside is filled, in a pattern that
        // also paints white, which must not make the fill run on forever.
        QImage image(6, 6, QImage::Format_ARGB32);
        image.fill(Qt::white);
        for (int i = 1; i <= 4; ++i) {
            for (const QPoint p : {QPoint(i, 1), QPoint(i, 4), QPoint(1, i), QPoint(4, i)}) {
                image.setPixel(p, qRgb(0, 0, 0));
            }
        }
        FloodFillSurface(image, {2, 2}, qRgb(255, 255, 255), [](int x, int y) {
            return (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(9, 9, 9);
        });
        QCOMPARE(image.pixel(2, 2), qRgb(9, 9, 9));
        QCOMPARE(image.pixel(3, 2), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(3, 3), qRgb(9, 9, 9));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255)); // outside the ring: untouched
        QCOMPARE(image.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(1, 1), qRgb(0, 0, 0));
        // A start of another colour fills nothing.
        FloodFillSurface(image, {1, 1}, qRgb(255, 255, 255),
                         [](int, int) { return qRgb(1, 1, 1); });
        QCOMPARE(image.pixel(1, 1), qRgb(0, 0, 0));
    }

    void drawsTheCheckedSquare() {
        const MenuColours c = TestColours();
        MenuItem item = Row("English");
        item.checked = true;
        const QImage square = PictureSquare(item, 20, false, c, QPoint(1, 40));
        // The sunken edge: shaded above and left, lit below and right.
        QCOMPARE(square.pixel(0, 0), c.buttonShadow.rgb());
        QCOMPARE(square.pixel(10, 0), c.buttonShadow.rgb());
        QCOMPARE(square.pixel(0, 10), c.buttonShadow.rgb());
        QCOMPARE(square.pixel(19, 10), c.buttonHighlight.rgb());
        QCOMPARE(square.pixel(10, 19), c.buttonHighlight.rgb());
        // The checkerboard follows the column: light where x + y is even there.
        QCOMPARE(square.pixel(1, 1), c.menu.rgb());            // (2, 41) in the column
        QCOMPARE(square.pixel(2, 1), c.buttonHighlight.rgb()); // (3, 41)
        // The standard check mark, 7 x 7 in the middle (from (6, 6)), in the text colour.
        QCOMPARE(square.pixel(6 + 6, 6 + 0), c.menuText.rgb());
        QCOMPARE(square.pixel(6 + 2, 6 + 6), c.menuText.rgb());
        QVERIFY(square.pixel(6, 6) != c.menuText.rgb());

        // Highlighted: the surface is plain menu colour around the mark.
        const QImage lit = PictureSquare(item, 20, true, c, QPoint(1, 40));
        QCOMPARE(lit.pixel(1, 1), c.menu.rgb());
        QCOMPARE(lit.pixel(2, 1), c.menu.rgb());
        QCOMPARE(lit.pixel(6 + 6, 6 + 0), c.menuText.rgb());
    }

    void laysOutRowsAndTheArrow() {
        const QFont font(QStringLiteral("DejaVu Sans"), 9);
        const QFontMetrics metrics(font);
        const MenuDescription items{Row("&Open"), Row({}, false, MenuItem::Type::Separator),
                                    Row("A longer text", false, MenuItem::Type::SubMenu)};
        const MenuLayout layout = LayOutMenu(items, metrics);
        const int check = std::max(13, metrics.height() - 2);
        const int rowHeight = std::max(check, metrics.height()) + 6;
        const int width = 3 + rowHeight + metrics.horizontalAdvance("A longer text") + 8 + check;
        QCOMPARE(layout.checkSize, check);
        QCOMPARE(layout.rows,
                 (QList<QRect>{QRect(0, 0, width, rowHeight), QRect(0, rowHeight, width, 8),
                               QRect(0, rowHeight + 8, width, rowHeight)}));
        QCOMPARE(layout.columnSize, QSize(width, 2 * rowHeight + 8));

        // The arrow for a 13-pixel check mark in a 100 x 23 row at (0, 0): box from x 91,
        // y 5 to x 101; side at x 94 from y 8 to 14, apex at (97, 11).
        QCOMPARE(SubMenuArrow(QRect(0, 0, 100, 23), 13),
                 QPolygon({QPoint(94, 8), QPoint(94, 14), QPoint(97, 11)}));
        QCOMPARE(SubMenuArrow(QRect(10, 40, 100, 23), 20),
                 QPolygon({QPoint(101, 47), QPoint(101, 55), QPoint(105, 51)}));
    }

    void splitsTheShortcutFromItsPadding_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shortcut");
        const auto row = [](const char* text, const char* label, const char* shortcut) {
            QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(label)
                                << QString::fromUtf8(shortcut);
        };
        row("暂停(&P)　　　　　Ctrl+P ", "暂停(&P)", "Ctrl+P");
        row("删除单词(&D)      Ctrl+Del", "删除单词(&D)", "Ctrl+Del");
        row("帮助(&H)　　　　　F1", "帮助(&H)", "F1");
        row("查找/定位(&F)     Ctrl+F", "查找/定位(&F)", "Ctrl+F");
        row("Choose library (&W)    Ctrl+W", "Choose library (&W)", "Ctrl+W");
        row("E&xit                  Alt+X", "E&xit", "Alt+X");
        row("A　B", "A", "B");
        row("Simplified Chinese", "Simplified Chinese", "");
        row("库文件管理(&M)", "库文件管理(&M)", "");
        row("Padded  　 ", "Padded", "");
    }

    void splitsTheShortcutFromItsPadding() {
        QFETCH(QString, text);
        QFETCH(QString, label);
        QFETCH(QString, shortcut);
        const MenuTextParts parts = SplitMenuText(text);
        QCOMPARE(parts.label, label);
        QCOMPARE(parts.shortcut, shortcut);
    }

    // The shortcuts start in one column after the widest label, a line's height further on,
    // whatever the font makes of the padding.
    void drawsShortcutsInAColumnOfTheirOwn() {
        const QFont font(QStringLiteral("DejaVu Sans"), 9);
        const QFontMetrics metrics(font);
        const MenuDescription items{Row("&Pause　　　　　Ctrl+P "),
                                    Row("&Delete word      Ctrl+Del"), Row("Library &manager"),
                                    Row("Language", false, MenuItem::Type::SubMenu)};
        const MenuLayout layout = LayOutMenu(items, metrics);
        const int check = std::max(13, metrics.height() - 2);
        const int rowHeight = std::max(check, metrics.height()) + 6;
        const int labelLeft = 3 + rowHeight;
        const int shortcutLeft = labelLeft +
                                 metrics.size(Qt::TextShowMnemonic, "Library &manager").width() +
                                 metrics.height();
        QCOMPARE(layout.labelLeft, labelLeft);
        QCOMPARE(layout.shortcutLeft, shortcutLeft);
        QCOMPARE(layout.columnSize.width(),
                 shortcutLeft + metrics.horizontalAdvance("Ctrl+Del") + 8 + check);

        const MenuColours c = TestColours();
        QImage image(layout.columnSize, QImage::Format_ARGB32);
        image.fill(c.menu);
        QPainter painter(&image);
        painter.setFont(font);
        for (int i = 0; i < items.size(); ++i) {
            DrawMenuRow(painter, items.at(i), layout.rows.at(i), false, c, layout);
        }
        painter.end();
        // The first ink right of the labels: the "C" of both shortcuts, at one x.
        const auto firstInk = [&](const QRect& row) {
            for (int x = shortcutLeft - metrics.height() / 2; x < row.right(); ++x) {
                for (int y = row.top(); y <= row.bottom(); ++y) {
                    if (image.pixel(x, y) != c.menu.rgb()) {
                        return x;
                    }
                }
            }
            return -1;
        };
        const int pauseInk = firstInk(layout.rows.at(0));
        QCOMPARE(firstInk(layout.rows.at(1)), pauseInk);
        QVERIFY(pauseInk >= shortcutLeft && pauseInk <= shortcutLeft + 2);
        QCOMPARE(firstInk(layout.rows.at(2)), -1);
    }

    void picturesAreCompiledIn() {
        const QList<PictureId> items{
            PictureId::StateOn,
            PictureId::StateOff,
            PictureId::About,
            PictureId::ChooseLibrary,
            PictureId::Exit,
            PictureId::Help,
            PictureId::AddToNewWordBook,
            PictureId::Settings,
            PictureId::SaveProgress,
            PictureId::LoadProgress,
            PictureId::ReadAgain,
            PictureId::LibraryManager,
            PictureId::ClearNewWordBook,
            PictureId::PreviousGroup,
            PictureId::NextGroup,
            PictureId::Find,
            PictureId::DeleteWord,
            PictureId::Language,
            PictureId::RateKnown,
            PictureId::RateAgain,
            PictureId::Statistics,
        };
        for (const PictureId id : items) {
            const QImage picture = Picture(id);
            QVERIFY2(picture.size() == QSize(16, 16), qPrintable(PicturePath(id)));
            // On the light grey ground that takes the menu's colour.
            QCOMPARE(picture.pixel(0, 15) & 0xFFFFFF, 0xC0C0C0u);
        }
        QCOMPARE(Picture(PictureId::MenuStrip).size(), QSize(24, 284));
        // 223 is 222 upside down.
        QCOMPARE(Picture(PictureId::NextGroup),
                 Picture(PictureId::PreviousGroup).mirrored(false, true));
    }
};

QTEST_MAIN(TestMenuLogic)
#include "tst_menulogic.moc"
