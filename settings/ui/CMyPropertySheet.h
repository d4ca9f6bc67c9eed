#pragma once

#include "recitation/SettingsRecord.h"
#include "settings/SheetValues.h"
#include "settings/ui/SheetContext.h"

#include <QDialog>

class CMyPropertyPage1;
class CMyPropertyPage2;
class CMyPropertyPage3;
class CDesktopPage;
class QTabWidget;

// The settings sheet ("设置"): three pages on tabs (and the desktop page, "桌面", when the
// context brings one), OK, Cancel and Help, centred on the screen
// of its parent window and modal to it. It edits copies of the record's fields; it does not
// close while the browse page holds a usable field that is not a number, nor let that page be
// left.
class CMyPropertySheet : public QDialog {
    Q_OBJECT

public:
    CMyPropertySheet(const SettingsRecord& record, const SheetContext& context,
                     QWidget* parent = nullptr);

    // The pages' values; a page never opened gives what was copied in.
    SheetValues values() const;
    // The desktop page's values; the options copied in without that page.
    std::optional<CompanionOptions> desktopValues() const;

    void accept() override;

private:
    void LeaveBrowsePage(int tab);
    bool BrowsePageFieldsHoldNumbers();

    QTabWidget* tabs_;
    CMyPropertyPage1* page1_;
    CMyPropertyPage2* page2_;
    CMyPropertyPage3* page3_;
    CDesktopPage* desktopPage_ = nullptr;
    int currentTab_ = 0;
};
