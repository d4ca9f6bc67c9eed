#include "settings/ui/CMyPropertyPage3.h"

#include "settings/ui/SheetControls.h"
#include "strings/StringTable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace {

// The double-click choices from top to bottom, with the action each stands for.
struct DoubleClickChoice {
    int id;
    StringId text;
    std::int32_t action;
};

constexpr DoubleClickChoice kDoubleClickChoices[] = {
    {SheetControl::Pause, StringId::RadioPause, 2},
    {SheetControl::ReadAgain, StringId::RadioReadAgain, 3},
    {SheetControl::AddToNewWordBook, StringId::RadioAddToNewWordBook, 1},
    {SheetControl::DeleteWord, StringId::RadioDeleteWord, 0},
};

} // namespace

CMyPropertyPage3::CMyPropertyPage3(const OtherPageValues& values, const QStringList& voiceNames,
                                   bool speechAvailable, std::function<void(int)> testVoice,
                                   QWidget* parent)
    : QWidget(parent), testVoice_(std::move(testVoice)), voiceCount_(voiceNames.size()),
      voiceIndex_(values.speechEngineIndex), doubleClickAction_(values.doubleClickAction),
      speech_(WithId(new QCheckBox(StringText(StringId::CheckSpeech), this), SheetControl::Speech)),
      voices_(WithId(new QComboBox(this), SheetControl::Voices)),
      doubleClick_(new QButtonGroup(this)) {
    speech_->setChecked(values.speechOn);

    voices_->addItems(voiceNames);
    const bool indexNamesVoice = voiceIndex_ >= 0 && voiceIndex_ < voiceCount_;
    voices_->setCurrentIndex(indexNamesVoice ? voiceIndex_ : -1);
    voices_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(voices_, &QComboBox::activated, this, [this](int index) { voiceIndex_ = index; });
    auto* test = WithId(new QPushButton(StringText(StringId::ButtonTestVoice), this),
                        SheetControl::TestVoice);
    connect(test, &QPushButton::clicked, this, &CMyPropertyPage3::TestVoice);
    speech_->setEnabled(speechAvailable);
    voices_->setEnabled(speechAvailable);
    test->setEnabled(speechAvailable);

    auto* engine = new QGroupBox(StringText(StringId::VoiceGroup), this);
    auto* engineRow = new QHBoxLayout(engine);
    engineRow->addWidget(voices_, 1);
    engineRow->addWidget(test);

    auto* doubleClick = new QGroupBox(StringText(StringId::DoubleClickGroup), this);
    auto* choices = new QVBoxLayout(doubleClick);
    for (const DoubleClickChoice& choice : kDoubleClickChoices) {
        auto* button = WithId(new QRadioButton(StringText(choice.text), doubleClick), choice.id);
        button->setChecked(choice.action == values.doubleClickAction);
        doubleClick_->addButton(button, choice.action);
        choices->addWidget(button);
    }
    connect(doubleClick_, &QButtonGroup::idClicked, this,
            [this](int action) { doubleClickAction_ = action; });

    // Made last, so that the tab key reaches it last.
    confirmActions_ = WithId(new QCheckBox(StringText(StringId::CheckConfirmActions), this),
                             SheetControl::ConfirmActions);
    confirmActions_->setChecked(values.confirmActions);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(speech_);
    layout->addWidget(engine);
    layout->addWidget(doubleClick);
    layout->addWidget(confirmActions_);
    layout->addStretch();
}

OtherPageValues CMyPropertyPage3::values() const {
    OtherPageValues values;
    values.speechOn = speech_->isChecked();
    values.speechEngineIndex = voiceIndex_;
    values.doubleClickAction = doubleClickAction_;
    values.confirmActions = confirmActions_->isChecked();
    return values;
}

// The phrase is spoken with the voice last picked; an index that names no voice speaks nothing.
void CMyPropertyPage3::TestVoice() {
    if (testVoice_ && voiceIndex_ >= 0 && voiceIndex_ < voiceCount_) {
        testVoice_(voiceIndex_);
    }
}
