// The picture menu under the offscreen platform, driven by keys and the pointer while Track
// blocks: highlighting, choosing, sub-menus, closing, placement, notifications and the colours
// of drawn rows.

#include "tests/controls/MenuScript.h"

#include "controls/MenuDescription.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace {

// The test menu: Open, Greyed, a separator, Sub (First, Second, Third), Alpha, Another, Close.
enum : int { kOpen = 1, kGreyed = 2, kAlpha = 4, kAnother = 5, kClose = 6 };
enum : int { kFirst = 11, kSecond = 12, kThird = 13 };
constexpr int kGreyedRow = 1;
constexpr int kSeparatorRow = 2;
constexpr int kSubRow = 3;
constexpr int kAlphaRow = 4;
constexpr int kStripWidth = 20;

// A picture whose four quadrants are black, dark grey, light grey and white.
QImage FourGreys() {
    QImage picture(16, 16, QImage::Format_RGB32);
    static constexpr QRgb kGreys[] = {0x000000, 0x808080, 0xC0C0C0, 0xFFFFFF};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            picture.setPixel(x, y, 0xFF000000 | kGreys[(y / 8) * 2 + x / 8]);
        }
    }
    return picture;
}

MenuItem Command(int command, const QString& text, bool greyed = false) {
    MenuItem item;
    item.command = command;
    item.text = text;
    item.greyed = greyed;
    item.checkedPicture = item.uncheckedPicture = FourGreys();
    return item;
}

MenuDescription TestMenu() {
    MenuItem separator;
    separator.type = MenuItem::Type::Separator;
    MenuItem sub;
    sub.type = MenuItem::Type::SubMenu;
    sub.text = QStringLiteral("&Sub");
    sub.subMenu = {Command(kFirst, "&First"), Command(kSecond, "S&econd"),
                   Command(kThird, "&Third")};
    return {Command(kOpen, "&Open"),
            Command(kGreyed, "&Greyed", true),
            separator,
            sub,
            Command(kAlpha, "&Alpha"),
            Command(kAnother, "&Another"),
            Command(kClose, "&Close")};
}

// A menu for an owner window, and the commands as the owner receives them: queued, as they are
// meant to be received.
struct Rig {
    Rig() {
        owner.setGeometry(60, 60, 120, 60);
        owner.show();
        menu.Attach(TestMenu());
        QObject::connect(
            &menu, &CBmpMenu::commandChosen, &owner, [this](int c) { delivered.append(c); },
            Qt::QueuedConnection);
    }

    // Tracks the menu at `at` while the steps run; true when every step ran and the menu has
    // closed by the time Track returns.
    bool Track(QPoint at, QList<MenuScript::Step> steps) {
        MenuScript script(std::move(steps));
        return menu.Track(at, &owner) && script.Completed() && !menu.isVisible();
    }

    // What reached the owner once everything posted has been handled.
    QList<int> Delivered() {
        QTest::qWait(20);
        return delivered;
    }

    int Hot() const { return menu.itemBar()->hotRow(); }
    CBmpMenu* Sub() const { return menu.child(); }

    QWidget owner;
    CBmpMenu menu{kStripWidth, true, QImage(8, 40, QImage::Format_RGB32), true};
    QList<int> delivered;
};

// A row's rectangle on the screen.
QRect RowOnScreen(const CBmpMenu* menu, int row) {
    const CBmpMenuBar* bar = menu->itemBar();
    return bar->RowRect(row).translated(bar->mapToGlobal(QPoint(0, 0)));
}

} // namespace

class TestBmpMenu : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheHighlightAndReturnDeliversOnce() {
        Rig rig;
        const QList<MenuScript::Step> steps{
            [&] {
                QCOMPARE(rig.Hot(), -1);
                PressKey(Qt::Key_Down);
                QCOMPARE(rig.Hot(), 0);
                PressKey(Qt::Key_Down); // over the greyed row and the separator
                QCOMPARE(rig.Hot(), kSubRow);
                PressKey(Qt::Key_Up);
                QCOMPARE(rig.Hot(), 0);
                PressKey(Qt::Key_Up); // round to the last row
                QCOMPARE(rig.Hot(), 6);
            },
            [&] { PressKey(Qt::Key_Return); },
        };
        QVERIFY(rig.Track({100, 100}, steps));
        QVERIFY(rig.delivered.isEmpty()); // not before Track has returned
        QCOMPARE(rig.Delivered(), QList<int>{kClose});
    }

    void greyedRowsNeitherHighlightNorChoose() {
        Rig rig;
        QList<QChar> unmatched;
        QObject::connect(&rig.menu, &CBmpMenu::menuChar,
                         [&](QChar key, CBmpMenu*, MenuCharAnswer*) { unmatched << key; });
        const QList<MenuScript::Step> steps{
            [&] {
                MovePointer(RowPoint(&rig.menu, kGreyedRow));
                QCOMPARE(rig.Hot(), -1);
                ClickAt(RowPoint(&rig.menu, kGreyedRow));
            },
            [&] {
                QVERIFY(rig.menu.isOpen());
                MovePointer(RowPoint(&rig.menu, 0));
                MovePointer(RowPoint(&rig.menu, kGreyedRow));
                MovePointer(RowPoint(&rig.menu, kSeparatorRow));
                QCOMPARE(rig.Hot(), 0);
                ClickAt(RowPoint(&rig.menu, kSeparatorRow));
            },
            [&] { PressKey(Qt::Key_G); }, // the greyed row's mnemonic matches nothing
            [&] { PressKey(Qt::Key_Escape); },
        };
        QVERIFY(rig.Track({100, 100}, steps));
        QCOMPARE(unmatched, QList<QChar>{u'G'});
        QVERIFY(rig.Delivered().isEmpty());
    }

    // Right opens the sub-menu beside its row with the first row highlighted; Left closes only
    // the sub-menu; Escape in a sub-menu closes every level.
    void subMenuFromTheKeyboard() {
        Rig rig;
        const QList<MenuScript::Step> steps{
            [&] {
                PressKey(Qt::Key_Down);
                PressKey(Qt::Key_Down);
                PressKey(Qt::Key_Right);
            },
            [&] {
                QVERIFY(rig.Sub());
                QCOMPARE(rig.Sub()->itemBar()->hotRow(), 0);
                // Beside its row, which spans the parent's client area inside its 3-pixel
                // frame, with the parent's strip.
                const QRect row = RowOnScreen(&rig.menu, kSubRow);
                QCOMPARE(rig.Sub()->pos(), QPoint(row.right() + 1, row.top()));
                QCOMPARE(row.right() + 1, rig.menu.geometry().right() + 1 - 3);
                QCOMPARE(rig.Sub()->itemBar()->pos(), QPoint(3 + kStripWidth, 3));
                QCOMPARE(rig.Sub()->width(), rig.Sub()->itemBar()->width() + kStripWidth + 6);
                PressKey(Qt::Key_Down);
                QCOMPARE(rig.Sub()->itemBar()->hotRow(), 1);
                PressKey(Qt::Key_Left);
            },
            [&] {
                QVERIFY(!rig.Sub());
                QVERIFY(rig.menu.isOpen());
                QCOMPARE(rig.Hot(), kSubRow);
                PressKey(Qt::Key_Right);
            },
            [&] {
                QVERIFY(rig.Sub());
                PressKey(Qt::Key_Escape);
            },
        };
        QVERIFY(rig.Track({100, 100}, steps));
        QVERIFY(rig.Delivered().isEmpty());
    }

    // A mnemonic opens the sub-menu without highlighting in it; a command chosen there reaches
    // the owner through the top-level menu; the notifications come in order.
    void notificationsAndAChoiceInTheSubMenu() {
        Rig rig;
        QStringList heard;
        const auto level = [&](CBmpMenu* m) { return QString(m == &rig.menu ? "top" : "sub"); };
        CBmpMenu* m = &rig.menu;
        QObject::connect(m, &CBmpMenu::initMenu, [&](CBmpMenu* x) { heard << "init " + level(x); });
        QObject::connect(m, &CBmpMenu::initMenuPopup,
                         [&](CBmpMenu* x) { heard << "init popup " + level(x); });
        QObject::connect(m, &CBmpMenu::enterMenuLoop,
                         [&](CBmpMenu* x) { heard << "enter " + level(x); });
        QObject::connect(m, &CBmpMenu::menuSelect, [&](int id, int flags, CBmpMenu* x) {
            heard << QStringLiteral("select %1 %2 %3").arg(id).arg(flags).arg(level(x));
        });
        QObject::connect(m, &CBmpMenu::exitMenuLoop,
                         [&](CBmpMenu* x) { heard << "exit " + level(x); });
        QObject::connect(m, &CBmpMenu::commandChosen,
                         [&](int id) { heard << "command " + QString::number(id); });
        const QList<MenuScript::Step> steps{
            [&] { PressKey(Qt::Key_S); },
            [&] {
                QCOMPARE(rig.Sub()->itemBar()->hotRow(), -1);
                PressKey(Qt::Key_T);
            },
        };
        QVERIFY(rig.Track({100, 100}, steps));
        QCOMPARE(heard, (QStringList{"init top", "enter top", "select 3 16 top", "init popup sub",
                                     "enter sub", "select 13 0 sub", "exit sub", "exit top",
                                     "command 13"}));
        QCOMPARE(rig.Delivered(), QList<int>{kThird});
    }

    // Resting on the sub-menu's row opens it; the row stays highlighted while the pointer is
    // in the sub-menu; another row closes it; a click in the sub-menu chooses.
    void hoverOpensTheSubMenuAndMovingOnClosesIt() {
        Rig rig;
        CBmpMenu* opened = nullptr;
        const QList<MenuScript::Step> steps{
            [&] { MovePointer(RowPoint(&rig.menu, kSubRow)); },
            [&] {
                opened = rig.Sub();
                QVERIFY(opened);
                QCOMPARE(opened->itemBar()->hotRow(), -1);
                ClickAt(RowPoint(&rig.menu, kSubRow)); // its sub-menu is open: ignored
            },
            [&] {
                QCOMPARE(rig.Sub(), opened);
                MovePointer(RowPoint(rig.Sub(), 1));
                QCOMPARE(rig.Hot(), kSubRow);
                QCOMPARE(rig.Sub()->itemBar()->hotRow(), 1);
                MovePointer(RowPoint(&rig.menu, kAlphaRow));
            },
            [&] {
                QVERIFY(!rig.Sub());
                QCOMPARE(rig.Hot(), kAlphaRow);
                MovePointer(RowPoint(&rig.menu, kSubRow));
            },
            [&] { ClickAt(RowPoint(rig.Sub(), 1)); },
        };
        QVERIFY(rig.Track({100, 100}, steps));
        QCOMPARE(rig.Delivered(), QList<int>{kSecond});
    }

    // A click outside every level, the application losing the focus, or Alt closes every
    // level and chooses nothing.
    void closingFromOutside() {
        const QList<std::function<void(Rig&)>> closers{
            [](Rig& rig) { ClickAt(rig.Sub()->geometry().bottomRight() + QPoint(40, 40)); },
            [](Rig&) {
                QEvent deactivate(QEvent::ApplicationDeactivate);
                QCoreApplication::sendEvent(qApp, &deactivate);
            },
            [](Rig&) { PressKey(Qt::Key_Alt); },
        };
        for (const auto& close : closers) {
            Rig rig;
            QVERIFY(rig.Track({100, 100}, {[&] { PressKey(Qt::Key_S); }, [&] { close(rig); }}));
            QVERIFY(rig.Delivered().isEmpty());
        }
    }

    // A key shared by two rows highlights without choosing; a single match chooses at once; a
    // key that matches nothing is the owner's to answer.
    void mnemonics() {
        Rig rig;
        QObject::connect(&rig.menu, &CBmpMenu::menuChar,
                         [](QChar key, CBmpMenu*, MenuCharAnswer* answer) {
                             if (key == u'E') {
                                 *answer = {MenuCharAnswer::Action::Execute, 99};
                             } else if (key == u'Q') {
                                 answer->action = MenuCharAnswer::Action::CloseAll;
                             }
                         });
        const QList<MenuScript::Step> steps{
            [&] {
                PressKey(Qt::Key_A);
                QCOMPARE(rig.Hot(), kAlphaRow);
                PressKey(Qt::Key_E); // executed at once; the menu stays
            },
            [&] {
                QCOMPARE(rig.delivered, QList<int>{99});
                PressKey(Qt::Key_O);
            },
        };
        QVERIFY(rig.Track({100, 100}, steps));
        QCOMPARE(rig.Delivered(), (QList<int>{99, kOpen}));

        Rig closing;
        QObject::connect(&closing.menu, &CBmpMenu::menuChar,
                         [](QChar, CBmpMenu*, MenuCharAnswer* answer) {
                             answer->action = MenuCharAnswer::Action::CloseAll;
                         });
        QVERIFY(closing.Track({100, 100}, {[&] { PressKey(Qt::Key_Q); }}));
        QVERIFY(closing.Delivered().isEmpty());
    }

    // Near each edge and corner the menu opens to the left of and/or above the point, and its
    // sub-menu to the left of and/or up from its row.
    void placementAtTheEdgesAndCorners() {
        const QRect d = QGuiApplication::primaryScreen()->availableGeometry();
        struct Case {
            QPoint at;
            bool left, up;
        };
        const QList<Case> cases{
            {d.topLeft() + QPoint(10, 10), false, false},
            {d.topRight() + QPoint(-10, 10), true, false},
            {d.bottomLeft() + QPoint(10, -10), false, true},
            {d.bottomRight() + QPoint(-10, -10), true, true},
        };
        // The sub-menu's row last, so that a sub-menu opened near the bottom must go up.
        const MenuDescription items = TestMenu();
        MenuItem subRow = items.at(kSubRow);
        subRow.subMenu += items.mid(kAlphaRow, 2);
        for (const Case& c : cases) {
            Rig rig;
            rig.menu.Attach({items.at(0), items.at(kAlphaRow), subRow});
            const auto check = [&] {
                const QRect menu = rig.menu.geometry();
                QCOMPARE(menu.x(), c.left ? c.at.x() - menu.width() : c.at.x());
                QCOMPARE(menu.y(), c.up ? c.at.y() - menu.height() : c.at.y());
                QRect row = RowOnScreen(&rig.menu, 2);
                row.setLeft(row.left() - kStripWidth);
                const QRect sub = rig.Sub()->geometry();
                QCOMPARE(sub.x(), c.left ? row.left() - sub.width() : row.right() + 1);
                QCOMPARE(sub.y(), c.up ? row.bottom() + 1 - sub.height() : row.top());
                QVERIFY(d.contains(menu) && d.contains(sub));
                PressKey(Qt::Key_Escape);
            };
            const QList<MenuScript::Step> steps{
                [&] {
                    PressKey(Qt::Key_Up);
                    PressKey(Qt::Key_Right);
                },
                check,
            };
            const QString at = QStringLiteral("at %1, %2").arg(c.at.x()).arg(c.at.y());
            QVERIFY2(rig.Track(c.at, steps), qPrintable(at));
        }
    }

    // The four greys of a picture take the desktop's colours, the light grey ground that of
    // the row; a greyed row's picture is drawn in two colours.
    void drawsRowsInTheDesktopColours() {
        Rig rig;
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(0xEE, 0xEE, 0xE0));
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x99, 0x88, 0x77));
        palette.setColor(QPalette::Highlight, QColor(0x20, 0x50, 0xC0));
        palette.setColor(QPalette::ButtonText, QColor(0x01, 0x02, 0x03));
        palette.setColor(QPalette::Dark, QColor(0x70, 0x71, 0x72));
        palette.setColor(QPalette::Light, QColor(0xFD, 0xFE, 0xFA));
        rig.menu.setPalette(palette);
        QImage plain, lit;
        QRect row0, row1;
        const QList<MenuScript::Step> steps{
            [&] {
                row0 = rig.menu.itemBar()->RowRect(0);
                row1 = rig.menu.itemBar()->RowRect(kGreyedRow);
                plain = rig.menu.itemBar()->grab().toImage();
                PressKey(Qt::Key_Down);
                lit = rig.menu.itemBar()->grab().toImage();
                PressKey(Qt::Key_Escape);
            },
        };
        QVERIFY(rig.Track({100, 100}, steps));
        // A 16 x 16 picture sits in the middle of a square as high as its row, one pixel in.
        const auto pixel = [](const QImage& bar, const QRect& row, int x, int y) {
            const int offset = (row.height() - 16) / 2;
            return QColor(bar.pixel(row.left() + 1 + offset + x, row.top() + offset + y));
        };
        const QColor window = palette.color(QPalette::Window);
        const QColor highlight = palette.color(QPalette::Highlight);
        QCOMPARE(pixel(plain, row0, 0, 0), palette.color(QPalette::ButtonText));
        QCOMPARE(pixel(plain, row0, 15, 0), palette.color(QPalette::Dark));
        QCOMPARE(pixel(plain, row0, 0, 15), window);
        QCOMPARE(pixel(plain, row0, 15, 15), palette.color(QPalette::Light));
        QCOMPARE(QColor(plain.pixel(row0.right() - 2, row0.top() + 1)), window);
        // The row's first pixel column shows the menu's light ground.
        QCOMPARE(QColor(plain.pixel(0, row0.top() + 1)), palette.color(QPalette::Light));
        // Highlighted, the ground is the highlight colour, in the picture too.
        QCOMPARE(pixel(lit, row0, 0, 15), highlight);
        QCOMPARE(pixel(lit, row0, 0, 0), palette.color(QPalette::ButtonText));
        QCOMPARE(QColor(lit.pixel(row0.right() - 2, row0.top() + 1)), highlight);
        // Greyed: dark pixels in the grey text colour, the others (dark grey among them) in
        // the ground.
        QCOMPARE(pixel(plain, row1, 0, 0), palette.color(QPalette::Disabled, QPalette::WindowText));
        QCOMPARE(pixel(plain, row1, 15, 0), window);
        QCOMPARE(pixel(plain, row1, 15, 15), window);
    }
};

QTEST_MAIN(TestBmpMenu)
#include "tst_bmpmenu.moc"
