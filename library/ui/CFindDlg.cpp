#include "library/ui/CFindDlg.h"

#include "controls/AnswersInAdvance.h"
#include "controls/DialogButtons.h"
#include "controls/DialogPlacement.h"
#include "strings/StringTable.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CFindDlg::CFindDlg(QWidget* parent) : QDialog(parent), searchText_(new QLineEdit(this)) {
    setWindowTitle(StringText(StringId::FindCaption));
    QDialogButtonBox* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(searchText_);
    layout->addWidget(buttons);
    CenterOnScreen(this);
}

QString CFindDlg::searchText() const {
    return searchText_->text();
}

std::optional<QString> CFindDlg::Run(QWidget* parent) {
    if (AnswersInAdvance::Enabled()) {
        return AnswersInAdvance::AnswerFind();
    }
    CFindDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.searchText();
}
