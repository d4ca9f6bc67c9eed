// The settings sheet under the offscreen platform: what its pages show, the browse page's rules,
// the font and colour choosers (the real dialogs, answered as they open) and what OK and Cancel
// hand back. Message boxes are answered in advance.

#include "controls/AnswersInAdvance.h"
#include "controls/CStyledLabel.h"
#include "settings/ui/CFontChooserDlg.h"
#include "settings/ui/CMyPropertyPage1.h"
#include "settings/ui/CMyPropertySheet.h"
#include "settings/ui/FontAndColour.h"
#include "settings/ui/NumberField.h"
#include "settings/ui/RunSettingsSheet.h"
#include "settings/ui/SheetControls.h"
#include "strings/StringTable.h"
#include "tests/support/SheetControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const Guid kBeta{0xBE7A, 0, 0, {}};

// A record whose options all differ from the defaults.
SettingsRecord Record() {
    SettingsRecord record = DefaultSettings(96, {});
    SetNameField(record.libraryName, QByteArrayView("托福"));
    record.textColor = 0x00102030;
    record.backColor = 0x00405060;
    record.barColor = 0x00708090;
    SetNameField(record.wordFont.lfFaceName, "DejaVu Sans");
    record.wordFont.lfHeight = -24;
    record.showMeaning = 0;
    record.oneLine = 1;
    record.orderedBrowse = 0;
    record.groupNumber = 4;
    record.groupSize = 20;
    record.groupRepeats = 2;
    record.wordTimeMs = 2500;
    record.speechOn = 0;
    record.speechEngineIndex = 1;
    record.doubleClickAction = 3;
    record.confirmActions = 0;
    return record;
}

SheetContext Context() {
    SheetContext context;
    context.entryCount = 100;
    context.voices = {{QStringLiteral("Alpha"), {0xA1, 0, 0, {}}},
                      {QStringLiteral("Beta"), kBeta},
                      {QStringLiteral("Gamma"), {0x6A, 0, 0, {}}}};
    context.voiceInUse = 1;
    return context;
}

QPushButton* Button(const QDialog& sheet, QDialogButtonBox::StandardButton which) {
    return sheet.findChild<QDialogButtonBox*>()->button(which);
}

// Answers the modal dialog that opens next once it runs.
void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        answer(dialog);
    });
}

void AnswerColour(const QColor& colour) {
    WhenModal([colour](QWidget* dialog) {
        auto* colours = qobject_cast<QColorDialog*>(dialog);
        QVERIFY(colours);
        colours->setCurrentColor(colour);
        colours->accept();
    });
}

// With no font, the chooser is cancelled.
void AnswerFont(const std::optional<FontChoice>& choice) {
    WhenModal([choice](QWidget* dialog) {
        auto* chooser = qobject_cast<CFontChooserDlg*>(dialog);
        QVERIFY(chooser);
        if (!choice) {
            chooser->reject();
            return;
        }
        chooser->setChoice(*choice);
        chooser->accept();
    });
}

QImage Grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The height of the rows holding pixels of `colour`.
int InkHeight(const QImage& image, const QColor& colour) {
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour.rgb()) {
                top = std::min(top, y);
                bottom = y;
            }
        }
    }
    return bottom < 0 ? 0 : bottom - top + 1;
}

} // namespace

class TestSettingsSheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AnswersInAdvance::Enable(true); }
    void init() { AnswersInAdvance::Clear(); }

    void pagesShowTheCopiedInValues() {
        const SettingsRecord record = Record();
        int helpCalls = 0;
        SheetContext context = Context();
        context.help = [&helpCalls] { ++helpCalls; };
        CMyPropertySheet sheet(record, context);
        QCOMPARE(sheet.windowTitle(), StringText(StringId::SettingsCaption));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((sheet.frameGeometry().center() - screen.center()).manhattanLength() <= 2);
        auto* tabs = sheet.findChild<QTabWidget*>();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->currentIndex(), 0);
        const QStringList titles{StringText(StringId::SettingsDisplayTab),
                                 StringText(StringId::SettingsBrowseTab),
                                 StringText(StringId::SettingsOtherTab)};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(tabs->tabText(i), titles[i]);
            QCOMPARE(tabs->tabIcon(i).pixmap(13, 13).size(), QSize(13, 13));
        }
        QCOMPARE(Button(sheet, QDialogButtonBox::Ok)->text(), StringText(StringId::ButtonOk));
        QCOMPARE(Button(sheet, QDialogButtonBox::Cancel)->text(),
                 StringText(StringId::ButtonCancel));
        QCOMPARE(Button(sheet, QDialogButtonBox::Help)->text(), StringText(StringId::ButtonHelp));
        QVERIFY(!Button(sheet, QDialogButtonBox::Apply));
        Button(sheet, QDialogButtonBox::Help)->click();
        QCOMPARE(helpCalls, 1);

        QWidget* display = tabs->widget(0);
        auto* preview = Find<CStyledLabel>(display, SheetControl::Preview);
        QCOMPARE(preview->text(), StringText(StringId::PreviewText));
        QCOMPARE(preview->backColour(), QColor(0x60, 0x50, 0x40));
        QCOMPARE(preview->textColour(), QColor(0x30, 0x20, 0x10));
        QCOMPARE(preview->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(preview->font().pixelSize(), 24);
        QCOMPARE(Find<CStyledLabel>(display, SheetControl::BarSample)->backColour(),
                 QColor(0x90, 0x80, 0x70));
        QVERIFY(!Find<QCheckBox>(display, SheetControl::ShowMeaning)->isChecked());
        QVERIFY(Find<QCheckBox>(display, SheetControl::OneLine)->isChecked());
        QVERIFY(Find<QCheckBox>(display, SheetControl::FadeInMeaning)->isChecked());
        QVERIFY(Find<QCheckBox>(display, SheetControl::ProgressBar)->isChecked());

        QWidget* browse = tabs->widget(1);
        QVERIFY(Find<QRadioButton>(browse, SheetControl::AtRandom)->isChecked());
        QVERIFY(!Find<QRadioButton>(browse, SheetControl::InOrder)->isChecked());
        QVERIFY(Find<QCheckBox>(browse, SheetControl::Grouping)->isChecked());
        QCOMPARE(Find<NumberField>(browse, SheetControl::GroupNumber)->text(), "4");
        QCOMPARE(Find<NumberField>(browse, SheetControl::GroupSize)->text(), "20");
        QCOMPARE(Find<NumberField>(browse, SheetControl::GroupRepeats)->text(), "2");
        QCOMPARE(Find<NumberField>(browse, SheetControl::Seconds)->text(), "2");
        QCOMPARE(Find<QLabel>(browse, SheetControl::LibraryName)->text(), QStringLiteral("托福"));
        QCOMPARE(Find<QLabel>(browse, SheetControl::EntryCount)->text(), "100");

        QWidget* other = tabs->widget(2);
        QVERIFY(!Find<QCheckBox>(other, SheetControl::Speech)->isChecked());
        QVERIFY(!Find<QCheckBox>(other, SheetControl::ConfirmActions)->isChecked());
        auto* voices = Find<QComboBox>(other, SheetControl::Voices);
        QCOMPARE(voices->count(), 3);
        QCOMPARE(voices->currentText(), QStringLiteral("Beta"));
        QVERIFY(Find<QRadioButton>(other, SheetControl::ReadAgain)->isChecked());

        // Pages left as they were hand back what was copied in: the record comes back to the
        // byte, but for the time per word in whole seconds.
        const SettingsApplied applied = ApplySettings(record, sheet.values(), 100, {});
        SettingsRecord expected = record;
        expected.wordTimeMs = 2000;
        QCOMPARE(RecordBytes(applied.record), RecordBytes(expected));
    }

    // The sheet holds back its main window only: help, a window of no owner, takes keys.
    void helpTakesKeysWhileTheSheetIsOpen() {
        QWidget mainWindow;
        QLineEdit help; // stands in for the help window
        help.show();
        WhenModal([&](QWidget* sheet) {
            QTest::keyClick(help.windowHandle(), 'a');
            sheet->close();
        });
        QVERIFY(!RunSettingsSheet(&mainWindow, Record(), Context()));
        QCOMPARE(help.text(), QStringLiteral("a"));
    }

    void browsePageEnablingRule_data() {
        QTest::addColumn<bool>("grouping");
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<bool>("groupFields");
        QTest::addColumn<bool>("repeats");
        QTest::newRow("groups in order") << true << true << true << true;
        QTest::newRow("groups at random") << true << false << true << false;
        QTest::newRow("no groups, in order") << false << true << false << false;
        QTest::newRow("no groups, at random") << false << false << false << false;
    }

    // The choices are made by clicking, from the opposite state.
    void browsePageEnablingRule() {
        QFETCH(bool, grouping);
        QFETCH(bool, ordered);
        SettingsRecord record = Record();
        record.grouping = grouping ? 0 : 1;
        record.orderedBrowse = ordered ? 0 : 1;
        CMyPropertySheet sheet(record, Context());
        QWidget* browse = sheet.findChild<QTabWidget*>()->widget(1);
        Find<QCheckBox>(browse, SheetControl::Grouping)->click();
        Find<QRadioButton>(browse, ordered ? SheetControl::InOrder : SheetControl::AtRandom)
            ->click();

        QFETCH(bool, groupFields);
        QFETCH(bool, repeats);
        for (const int id : {SheetControl::GroupNumber, SheetControl::GroupSize}) {
            QCOMPARE(Find<NumberField>(browse, id)->isEnabled(), groupFields);
        }
        for (const int id : {SheetControl::GroupNumberBefore, SheetControl::GroupNumberAfter,
                             SheetControl::GroupSizeBefore, SheetControl::GroupSizeAfter}) {
            QCOMPARE(Find<QLabel>(browse, id)->isEnabled(), groupFields);
        }
        QCOMPARE(Find<NumberField>(browse, SheetControl::GroupRepeats)->isEnabled(), repeats);
        for (const int id : {SheetControl::GroupRepeatsBefore, SheetControl::GroupRepeatsAfter}) {
            QCOMPARE(Find<QLabel>(browse, id)->isEnabled(), repeats);
        }
        QVERIFY(Find<NumberField>(browse, SheetControl::Seconds)->isEnabled());
        const BrowsePageValues values = sheet.values().browse;
        QCOMPARE(values.grouping, grouping);
        QCOMPARE(values.orderedBrowse, ordered);
        QCOMPARE(values.groupRepeats, 2); // greyed, still handed back
    }

    void fieldWithoutNumberKeepsTheSheetOpen_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("letters in the group") << SheetControl::GroupNumber << "abc";
        QTest::newRow("negative size") << SheetControl::GroupSize << "-3";
        QTest::newRow("seconds beyond 32 bits") << SheetControl::Seconds << "2147484";
    }

    void fieldWithoutNumberKeepsTheSheetOpen() {
        QFETCH(int, id);
        QFETCH(QString, text);
        SettingsRecord record = Record();
        record.orderedBrowse = 1;
        CMyPropertySheet sheet(record, Context());
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        auto* tabs = sheet.findChild<QTabWidget*>();
        tabs->setCurrentIndex(1);
        auto* field = Find<NumberField>(tabs->widget(1), id);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QCOMPARE(field->text(), text);

        // Neither another tab nor OK leaves the page.
        tabs->setCurrentIndex(2);
        QCOMPARE(tabs->currentIndex(), 1);
        Button(sheet, QDialogButtonBox::Ok)->click();
        QVERIFY(sheet.isVisible());
        QCOMPARE(AnswersInAdvance::Messages(),
                 QStringList(2, StringText(StringId::EnterAnInteger)));
        QVERIFY(field->isAncestorOf(sheet.focusWidget()));

        field->selectAll();
        QTest::keyClicks(field, "7");
        tabs->setCurrentIndex(2);
        QCOMPARE(tabs->currentIndex(), 2);
        Button(sheet, QDialogButtonBox::Ok)->click();
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(AnswersInAdvance::Messages().size(), 2);
    }

    // A field greyed after it took a bad value takes no part: it is not checked, and the value
    // copied in stays.
    void greyedFieldIsNotChecked() {
        CMyPropertySheet sheet(Record(), Context());
        QWidget* browse = sheet.findChild<QTabWidget*>()->widget(1);
        auto* size = Find<NumberField>(browse, SheetControl::GroupSize);
        size->selectAll();
        QTest::keyClicks(size, "x");
        Find<QCheckBox>(browse, SheetControl::Grouping)->click();
        Button(sheet, QDialogButtonBox::Ok)->click();
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(sheet.values().browse.groupSize, 20);
    }

    // The arrow keys step a field from 0 up to its largest number.
    void arrowKeysStepTheFields() {
        NumberField seconds(2147483);
        seconds.setNumber(0);
        QTest::keyClick(&seconds, Qt::Key_Down);
        QCOMPARE(seconds.text(), "0");
        QTest::keyClick(&seconds, Qt::Key_Up);
        QTest::keyClick(&seconds, Qt::Key_Up);
        QCOMPARE(seconds.text(), "2");
        seconds.setNumber(2147482);
        QTest::keyClick(&seconds, Qt::Key_Up);
        QTest::keyClick(&seconds, Qt::Key_Up);
        QCOMPARE(seconds.number(), 2147483);
        seconds.selectAll();
        QTest::keyClicks(&seconds, "x");
        QTest::keyClick(&seconds, Qt::Key_Up);
        QCOMPARE(seconds.text(), "x");
    }

    void okStoresAndCancelDiscards_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    // The user picks colours and a font, turns the meaning on and changes the seconds, then
    // confirms or cancels.
    void okStoresAndCancelDiscards() {
        QFETCH(bool, confirm);
        const SettingsRecord record = Record();
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(30);
        font.setUnderline(true);
        WhenModal([&](QWidget* dialog) {
            auto* sheet = qobject_cast<CMyPropertySheet*>(dialog);
            QVERIFY(sheet);
            auto* tabs = sheet->findChild<QTabWidget*>();
            QWidget* display = tabs->widget(0);
            AnswerColour(QColor(1, 2, 3));
            Find<QPushButton>(display, SheetControl::BackColour)->click();
            AnswerColour(QColor(4, 5, 6));
            Find<QPushButton>(display, SheetControl::BarColour)->click();
            AnswerFont(FontChoice{font, QColor(7, 8, 9)});
            Find<QPushButton>(display, SheetControl::ChooseFont)->click();
            Find<QCheckBox>(display, SheetControl::ShowMeaning)->click();
            tabs->setCurrentIndex(1);
            Find<NumberField>(tabs->widget(1), SheetControl::Seconds)->setNumber(0);
            Find<QRadioButton>(tabs->widget(2), SheetControl::DeleteWord)->click();
            Button(*sheet, confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        const std::optional<SettingsApplied> applied = RunSettingsSheet(nullptr, record, Context());
        QCOMPARE(applied.has_value(), confirm);
        if (!confirm) {
            return;
        }
        const SettingsRecord& stored = applied->record;
        QCOMPARE(stored.backColor, 0x00030201u);
        QCOMPARE(stored.barColor, 0x00060504u);
        QCOMPARE(stored.textColor, 0x00090807u);
        QCOMPARE(NameField(stored.wordFont.lfFaceName), QByteArrayView("DejaVu Serif"));
        QCOMPARE(stored.wordFont.lfUnderline, 1);
        QCOMPARE(stored.showMeaning, 1);
        QCOMPARE(stored.wordTimeMs, 1);
        QCOMPARE(stored.doubleClickAction, 0);
        QVERIFY(!applied->restartSpeech);
    }

    void previewShowsTheChoicesAtOnce() {
        DisplayPageValues values = CopyIn(Record()).display;
        CMyPropertyPage1 page(values);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* preview = Find<CStyledLabel>(&page, SheetControl::Preview);
        auto* barSample = Find<CStyledLabel>(&page, SheetControl::BarSample);

        const QColor back(0x20, 0xA0, 0x20);
        AnswerColour(back);
        Find<QPushButton>(&page, SheetControl::BackColour)->click();
        QCOMPARE(QColor(Grab(preview).pixel(0, 0)), back);

        const QColor bar(0xC0, 0x10, 0xC0);
        AnswerColour(bar);
        Find<QPushButton>(&page, SheetControl::BarColour)->click();
        const QImage strip = Grab(barSample);
        QCOMPARE(QColor(strip.pixel(0, 0)), bar);
        QCOMPARE(QColor(strip.pixel(strip.width() - 1, strip.height() - 1)), bar);

        const QColor ink(0xFF, 0xFF, 0x00);
        QFont large(QStringLiteral("DejaVu Sans"));
        large.setPixelSize(36);
        const int before = InkHeight(Grab(preview), QColor(0x30, 0x20, 0x10));
        QVERIFY(before > 0);
        AnswerFont(FontChoice{large, ink});
        Find<QPushButton>(&page, SheetControl::ChooseFont)->click();
        const QImage chosen = Grab(preview);
        QVERIFY(InkHeight(chosen, ink) > before);
        QCOMPARE(QColor(chosen.pixel(0, 0)), back);
        QCOMPARE(page.values().textColor, ColorRefFromColor(ink));

        // A cancelled chooser leaves the preview as it was.
        AnswerFont(std::nullopt);
        Find<QPushButton>(&page, SheetControl::ChooseFont)->click();
        QCOMPARE(Grab(preview), chosen);
    }

    // The chooser opens on the font's own style: a family whose regular style is called "Book"
    // shows regular, not its first listed style. Another family chosen keeps that style, also
    // where the family names it differently ("Regular", "Oblique").
    void fontChooserKeepsTheStyle_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::newRow("regular") << "Doulos SIL" << 400 << false;
        QTest::newRow("bold italic") << "DejaVu Sans" << 700 << true;
    }

    void fontChooserKeepsTheStyle() {
        QFETCH(QString, family);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        QFont font(family);
        font.setPixelSize(20);
        font.setWeight(static_cast<QFont::Weight>(weight));
        font.setItalic(italic);
        const CFontChooserDlg chooser(font, Qt::red);
        const QFont shown = chooser.findChild<QFontDialog*>()->currentFont();
        QCOMPARE(shown.family(), family);
        QCOMPARE(shown.weight(), weight);
        QCOMPARE(shown.italic(), italic);
        chooser.findChild<QListView*>()->keyboardSearch(QStringLiteral("DejaVu Serif"));
        QCoreApplication::processEvents();
        const QFont chosen = chooser.choice().font;
        QCOMPARE(chosen.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(chosen.weight(), weight);
        QCOMPARE(chosen.italic(), italic);
        QCOMPARE(QFontInfo(chosen).pixelSize(), 20);
        QCOMPARE(chooser.choice().colour, QColor(Qt::red));
    }

    // OK in the chooser with nothing chosen keeps the stored font to the byte, although the
    // chooser shows the family standing in for a missing one, and sizes in whole points.
    void fontChooserChangesNothingUnchosen() {
        DisplayPageValues values = CopyIn(Record()).display;
        SetNameField(values.wordFont.lfFaceName, "Arial");
        values.wordFont.lfHeight = -22;
        CMyPropertyPage1 page(values);
        WhenModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
        Find<QPushButton>(&page, SheetControl::ChooseFont)->click();
        const LogFontA stored = page.values().wordFont;
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&stored), sizeof stored),
                 QByteArray(reinterpret_cast<const char*>(&values.wordFont), sizeof stored));
    }

    void otherOptionsPage() {
        QList<int> tested;
        SheetContext context = Context();
        context.testVoice = [&tested](int index) { tested.append(index); };
        CMyPropertySheet sheet(Record(), context);
        QWidget* other = sheet.findChild<QTabWidget*>()->widget(2);
        auto* voices = Find<QComboBox>(other, SheetControl::Voices);
        auto* test = Find<QPushButton>(other, SheetControl::TestVoice);
        test->click();
        QTest::keyClick(voices, Qt::Key_Down); // a pick of the next voice
        test->click();
        QCOMPARE(tested, QList<int>({1, 2}));
        Find<QRadioButton>(other, SheetControl::DeleteWord)->click();
        const OtherPageValues values = sheet.values().other;
        QCOMPARE(values.speechEngineIndex, 2);
        QCOMPARE(values.doubleClickAction, 0);

        // No voices: an empty list, and the test speaks nothing.
        context.voices.clear();
        CMyPropertySheet empty(Record(), context);
        other = empty.findChild<QTabWidget*>()->widget(2);
        QCOMPARE(Find<QComboBox>(other, SheetControl::Voices)->count(), 0);
        Find<QPushButton>(other, SheetControl::TestVoice)->click();
        QCOMPARE(tested.size(), 2);
        QVERIFY(Find<QCheckBox>(other, SheetControl::Speech)->isEnabled());

        // No speech platform: the speech controls are disabled.
        context.speechAvailable = false;
        CMyPropertySheet silent(Record(), context);
        other = silent.findChild<QTabWidget*>()->widget(2);
        for (const int id : {SheetControl::Speech, SheetControl::Voices, SheetControl::TestVoice}) {
            QVERIFY(!Find<QWidget>(other, id)->isEnabled());
        }
        QVERIFY(Find<QCheckBox>(other, SheetControl::ConfirmActions)->isEnabled());
    }
};

QTEST_MAIN(TestSettingsSheet)
#include "tst_settingssheet.moc"
