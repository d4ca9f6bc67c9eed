// The interface languages and the help of CLexadoDlg. A language chosen from the menu applies
// to what is opened afterwards: the menu, dialogs, messages and the tooltip; nothing already
// on the screen changes.

#include "recitation/ui/CLexadoDlg.h"

#include "strings/LanguageChoice.h"
#include "strings/LanguageSwitch.h"

// A language whose file cannot be loaded leaves everything, the check mark too, as it was.
void CLexadoDlg::SwitchLanguage(CommandId command) {
    const int index =
        static_cast<int>(command) - static_cast<int>(CommandId::LanguageSimplifiedChinese);
    if (languages_.SwitchLanguage(index)) {
        languageIndex_ = index;
    }
}

// The row last chosen; before any choice, the row of the language in use when the menu
// offers it.
int CLexadoDlg::CheckedLanguage() const {
    if (languageIndex_ >= 0) {
        return languageIndex_;
    }
    return MenuIndexForLanguage(languages_.LanguageInUse()).value_or(-1);
}

void CLexadoDlg::ShowHelp() {
    if (help_.show) {
        help_.show(languages_.LanguageInUse());
    }
}
