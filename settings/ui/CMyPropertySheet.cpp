#include "settings/ui/CMyPropertySheet.h"

#include "controls/DialogPlacement.h"
#include "controls/PictureIds.h"
#include "settings/ui/CDesktopPage.h"
#include "settings/ui/CMyPropertyPage1.h"
#include "settings/ui/CMyPropertyPage2.h"
#include "settings/ui/CMyPropertyPage3.h"
#include "strings/StringTable.h"
#include "strings/TextCodec.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int kTabPictureSize = 13;

// Tab `index` shows the picture at that place of the strip, its white ground left out.
QIcon TabIcon(int index) {
    QImage picture = Picture(PictureId::SettingsTabs)
                         .copy(index * kTabPictureSize, 0, kTabPictureSize, kTabPictureSize)
                         .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == qRgb(0xFF, 0xFF, 0xFF)) {
                picture.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    return QIcon(QPixmap::fromImage(picture));
}

QStringList VoiceNames(const QList<SheetVoice>& voices) {
    QStringList names;
    for (const SheetVoice& voice : voices) {
        names.append(voice.name);
    }
    return names;
}

} // namespace

CMyPropertySheet::CMyPropertySheet(const SettingsRecord& record, const SheetContext& context,
                                   QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setWindowTitle(StringText(StringId::SettingsCaption));
    // Modal to the main window alone, so that the help it opens, a window of its own, can be
    // read and scrolled while the sheet is open.
    setWindowModality(Qt::WindowModal);
    SheetValues values = CopyIn(record);
    values.other.speechEngineIndex = context.voiceInUse;
    page1_ = new CMyPropertyPage1(values.display, tabs_);
    if (context.review) {
        values.browse.byMemory = context.review->byMemory;
    }
    page2_ = new CMyPropertyPage2(
        values.browse, DecodeLine(NameField(record.libraryName)), context.entryCount, tabs_,
        context.review ? std::optional(context.review->today) : std::nullopt);
    page3_ = new CMyPropertyPage3(values.other, VoiceNames(context.voices), context.speechAvailable,
                                  context.testVoice, tabs_);
    tabs_->setIconSize(QSize(kTabPictureSize, kTabPictureSize));
    tabs_->addTab(page1_, TabIcon(0), StringText(StringId::SettingsDisplayTab));
    tabs_->addTab(page2_, TabIcon(1), StringText(StringId::SettingsBrowseTab));
    tabs_->addTab(page3_, TabIcon(2), StringText(StringId::SettingsOtherTab));
    if (context.desktop) {
        desktopPage_ =
            new CDesktopPage(context.desktop->options, context.desktop->heldElsewhere, tabs_);
        tabs_->addTab(desktopPage_, StringText(StringId::SettingsDesktopTab));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &CMyPropertySheet::LeaveBrowsePage);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setText(StringText(StringId::ButtonOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(StringText(StringId::ButtonCancel));
    buttons->button(QDialogButtonBox::Help)->setText(StringText(StringId::ButtonHelp));
    connect(buttons, &QDialogButtonBox::accepted, this, &CMyPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMyPropertySheet::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [help = context.help] {
        if (help) {
            help();
        }
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    CenterOnScreen(this);
}

SheetValues CMyPropertySheet::values() const {
    return {page1_->values(), page2_->values(), page3_->values()};
}

std::optional<CompanionOptions> CMyPropertySheet::desktopValues() const {
    if (!desktopPage_) {
        return std::nullopt;
    }
    return desktopPage_->values();
}

// The browse page keeps the front while one of its fields holds no number.
void CMyPropertySheet::LeaveBrowsePage(int tab) {
    const int left = std::exchange(currentTab_, tab);
    if (left == tabs_->indexOf(page2_)) {
        BrowsePageFieldsHoldNumbers();
    }
}

bool CMyPropertySheet::BrowsePageFieldsHoldNumbers() {
    if (page2_->FieldsHoldNumbers()) {
        return true;
    }
    {
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentWidget(page2_);
        currentTab_ = tabs_->currentIndex();
    }
    page2_->AskForNumber();
    return false;
}

void CMyPropertySheet::accept() {
    if (BrowsePageFieldsHoldNumbers()) {
        QDialog::accept();
    }
}
