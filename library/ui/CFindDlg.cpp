#include "library/ui/CFindDlg.h"

#include "controls/DialogButtons.h"
#include "controls/DialogPlacement.h"
#include "library/FindEntry.h"
#include "strings/StringTable.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QList>
#include <QVBoxLayout>

#include <utility>

namespace {

struct Answers {
    bool enabled = false;
    QList<std::optional<QString>> queued;
};

Answers& TheAnswers() {
    static Answers answers;
    return answers;
}

} // namespace

CFindDlg::CFindDlg(WordList entries, QWidget* parent)
    : QDialog(parent), entries_(std::move(entries)), searchText_(new QLineEdit(this)) {
    setWindowTitle(StringText(StringId::FindCaption));
    QDialogButtonBox* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(searchText_);
    layout->addWidget(buttons);
    CenterOnScreen(this);
}

void CFindDlg::setSearchText(const QString& text) {
    searchText_->setText(text);
}

// The text is taken as typed, spaces included.
void CFindDlg::accept() {
    foundIndex_ = FindEntry(entries_, searchText_->text());
    QDialog::accept();
}

std::optional<qsizetype> CFindDlg::Run(QWidget* parent, const WordList& entries) {
    CFindDlg dialog(entries, parent);
    Answers& answers = TheAnswers();
    if (answers.enabled) {
        const std::optional<QString> text =
            answers.queued.isEmpty() ? std::nullopt : answers.queued.takeFirst();
        if (!text) {
            return std::nullopt;
        }
        dialog.setSearchText(*text);
        dialog.accept();
        return dialog.foundIndex();
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.foundIndex();
}

namespace FindDlgAnswers {

void Enable(bool on) {
    TheAnswers().enabled = on;
}

void Queue(std::optional<QString> searchText) {
    TheAnswers().queued.append(std::move(searchText));
}

void Clear() {
    TheAnswers().queued.clear();
}

} // namespace FindDlgAnswers
