// The main window's context menu under the offscreen platform: a right click opens menu 144
// with the window's state in it, the timers stand still while it is open, and the chosen
// command reaches the window once the menu has gone.

#include "tests/controls/MenuScript.h"
#include "tests/recitation/ui/WindowMenu.h"
#include "tests/recitation/ui/WindowRig.h"

#include "controls/PictureIds.h"
#include "strings/StringTable.h"

#include <optional>

namespace {

constexpr int kPauseRow = 0;
constexpr int kPreviousGroupRow = 14;
constexpr int kNextGroupRow = 15;
constexpr int kAlwaysOnTopRow = 17;
constexpr int kLanguageRow = 18;
constexpr int kAboutRow = 21;

// The rows of menu 144: command (0 for a separator or the sub-menu) and the id of its text
// (none for a separator).
const QList<std::pair<int, std::optional<StringId>>>& Menu144() {
    static const QList<std::pair<int, std::optional<StringId>>> rows{
        {32786, StringId::MenuPause},
        {32795, StringId::MenuReadAgain},
        {32781, StringId::MenuAddToNewWordBook},
        {32793, StringId::MenuDeleteWord},
        {32807, StringId::MenuRateKnown},
        {32808, StringId::MenuRateAgain},
        {32809, StringId::StatsMenu},
        {0, std::nullopt},
        {32771, StringId::MenuChooseLibrary},
        {32792, StringId::MenuSettings},
        {32794, StringId::MenuLibraryManager},
        {32780, StringId::MenuClearNewWordBook},
        {32788, StringId::MenuSaveProgress},
        {32789, StringId::MenuLoadProgress},
        {32796, StringId::MenuPreviousGroup},
        {32797, StringId::MenuNextGroup},
        {32799, StringId::MenuFind},
        {32800, StringId::MenuAlwaysOnTop},
        {0, StringId::MenuLanguage},
        {0, std::nullopt},
        {32775, StringId::MenuHelp},
        {32776, StringId::MenuAbout},
        {32777, StringId::MenuExit},
    };
    return rows;
}

} // namespace

class TestContextMenu : public QObject {
    Q_OBJECT

private slots:
    void showsMenu144() {
        WindowRig rig(QuietSettings());
        QVERIFY(rig.show());
        CLexadoDlg& window = *rig.window;
        MenuDescription rows;
        QVERIFY(RightClick(window, {5, 5}, {[&] {
                               rows = Rows();
                               QCOMPARE(ActiveMenu()->pos(), window.mapToGlobal(QPoint(5, 5)));
                               QVERIFY(!TimersRun(window));
                               PressKey(Qt::Key_Escape);
                           }}));
        QVERIFY(TimersRun(window)); // running again after the menu

        QCOMPARE(rows.size(), Menu144().size());
        for (int row = 0; row < rows.size(); ++row) {
            const MenuItem& item = rows.at(row);
            const auto& [command, text] = Menu144().at(row);
            QCOMPARE(item.type == MenuItem::Type::Separator, row == 7 || row == 19);
            QCOMPARE(item.type == MenuItem::Type::SubMenu, row == kLanguageRow);
            QCOMPARE(item.text, text ? StringText(*text) : QString());
            QCOMPARE(item.command, command);
            QVERIFY(!item.checked);
        }
        // The pictures; pause (not paused) and always-on-top (on at a first start) show their
        // state, both with 167 for checked.
        const QList<std::pair<int, PictureId>> pictures{
            {0, PictureId::StateOff},
            {1, PictureId::ReadAgain},
            {2, PictureId::AddToNewWordBook},
            {3, PictureId::DeleteWord},
            {4, PictureId::RateKnown},
            {5, PictureId::RateAgain},
            {6, PictureId::Statistics},
            {8, PictureId::ChooseLibrary},
            {9, PictureId::Settings},
            {10, PictureId::LibraryManager},
            {11, PictureId::ClearNewWordBook},
            {12, PictureId::SaveProgress},
            {13, PictureId::LoadProgress},
            {14, PictureId::PreviousGroup},
            {15, PictureId::NextGroup},
            {16, PictureId::Find},
            {17, PictureId::StateOn},
            {18, PictureId::Language},
            {20, PictureId::Help},
            {21, PictureId::About},
            {22, PictureId::Exit},
        };
        for (const auto& [row, picture] : pictures) {
            QVERIFY2(rows.at(row).uncheckedPicture == Picture(picture),
                     qPrintable(QString::number(row)));
        }
        QCOMPARE(rows.at(kPauseRow).checkedPicture, Picture(PictureId::StateOn));
        QCOMPARE(rows.at(kAlwaysOnTopRow).checkedPicture, Picture(PictureId::StateOn));

        // Speech is off: read again is grey; grouping is on: the group rows are not.
        QVERIFY(rows.at(1).greyed);
        QVERIFY(!rows.at(kPreviousGroupRow).greyed && !rows.at(kNextGroupRow).greyed);

        // The languages, none checked before one is chosen.
        QStringList languages;
        QList<int> commands;
        for (const MenuItem& item : rows.at(kLanguageRow).subMenu) {
            languages << item.text;
            commands << item.command;
            QVERIFY(!item.checked && !item.greyed && item.uncheckedPicture.isNull());
        }
        QCOMPARE(languages, (QStringList{"Simplified Chinese", "Traditional Chinese", "English",
                                         "Japanese", "Korean"}));
        QCOMPARE(commands, (QList<int>{32802, 32803, 32804, 32805, 32806}));
    }

    // Without grouping the group rows are grey; always on top off shows 168.
    void greyedAndOffWithoutGroupingAndOnTop() {
        SettingsRecord settings = QuietSettings();
        settings.grouping = false;
        settings.alwaysOnTop = false;
        WindowRig rig(settings);
        QVERIFY(rig.show());
        MenuDescription rows;
        QVERIFY(RightClick(*rig.window, {5, 5}, {[&] {
            rows = Rows();
            PressKey(Qt::Key_Escape);
        }}));
        QVERIFY(rows.at(kPreviousGroupRow).greyed && rows.at(kNextGroupRow).greyed);
        QCOMPARE(rows.at(kAlwaysOnTopRow).uncheckedPicture, Picture(PictureId::StateOff));
    }

    // Paused, the pause row shows 167, drawn in its own green; the timers stay stopped after
    // the menu. P chooses pause; the command reaches the window after the menu has gone.
    void pauseFromTheMenu() {
        WindowRig rig(QuietSettings());
        QVERIFY(rig.show());
        CLexadoDlg& window = *rig.window;
        window.RunCommand(CommandId::Pause);
        QVERIFY(window.state().paused);
        QVERIFY(RightClick(window, {5, 5}, {[&] {
                               QCOMPARE(Rows().at(kPauseRow).uncheckedPicture,
                                        Picture(PictureId::StateOn));
                               // Picture 167 has a green pixel at (2, 7); 168 the ground.
                               CBmpMenuBar* bar = ActiveMenu()->itemBar();
                               const QRect row = bar->RowRect(kPauseRow);
                               const int offset = (row.height() - 16) / 2;
                               QCOMPARE(bar->grab().toImage().pixel(row.left() + 1 + offset + 2,
                                                                    row.top() + offset + 7),
                                        qRgb(0, 128, 0));
                               PressKey(Qt::Key_Escape);
                           }}));
        QVERIFY(!TimersRun(window));

        // P resumes: the command runs once, after the menu.
        bool pausedWhenMenuClosed = false;
        QVERIFY(RightClick(window, {5, 5}, {[&] {
                               QObject::connect(ActiveMenu(), &CBmpMenu::exitMenuLoop, [&] {
                                   pausedWhenMenuClosed = window.state().paused;
                               });
                               PressKey(Qt::Key_P);
                           }}));
        QVERIFY(pausedWhenMenuClosed);
        QTRY_VERIFY(!window.state().paused);
        QVERIFY(TimersRun(window));
    }

    // A moves between the two rows that share it and chooses neither.
    void aMovesBetweenAlwaysOnTopAndAbout() {
        WindowRig rig(QuietSettings());
        QVERIFY(rig.show());
        QVERIFY(RightClick(*rig.window, {5, 5}, {[&] {
            const CBmpMenuBar* bar = ActiveMenu()->itemBar();
            PressKey(Qt::Key_A);
            QCOMPARE(bar->hotRow(), kAlwaysOnTopRow);
            PressKey(Qt::Key_A);
            QCOMPARE(bar->hotRow(), kAboutRow);
            PressKey(Qt::Key_A);
            QCOMPARE(bar->hotRow(), kAlwaysOnTopRow);
            PressKey(Qt::Key_Escape);
        }}));
        QTest::qWait(20);
        QVERIFY(rig.window->settings().alwaysOnTop);
    }
};

QTEST_MAIN(TestContextMenu)
#include "tst_contextmenu.moc"
