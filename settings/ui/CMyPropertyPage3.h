#pragma once

#include "settings/SheetValues.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;

// The other options ("其它选项"): speaking each word, the voice and its test, what a
// double-click does, and whether word commands ask and report.
class CMyPropertyPage3 : public QWidget {
    Q_OBJECT

public:
    // `voiceNames` are the voices to choose from, in the order of their ids; without a speech
    // platform the speech controls are disabled. `testVoice` speaks the test phrase with the
    // voice at an index of that list.
    CMyPropertyPage3(const OtherPageValues& values, const QStringList& voiceNames,
                     bool speechAvailable, std::function<void(int index)> testVoice,
                     QWidget* parent = nullptr);

    OtherPageValues values() const;

private:
    void TestVoice();

    std::function<void(int)> testVoice_;
    qsizetype voiceCount_;
    std::int32_t voiceIndex_; // taken each time the user picks a voice
    std::int32_t doubleClickAction_;
    QCheckBox* speech_;
    QComboBox* voices_;
    QButtonGroup* doubleClick_;
    QCheckBox* confirmActions_ = nullptr;
};
