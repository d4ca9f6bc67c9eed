#pragma once

#include "library/WordList.h"

#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;

// The find dialog ("查找/定位"): one line for the beginning of an entry, OK and Cancel,
// centred on the screen. It works on its own copy of the presented list; on OK it finds the
// first entry that begins with the text (FindEntry) and closes.
class CFindDlg : public QDialog {
    Q_OBJECT

public:
    explicit CFindDlg(WordList entries, QWidget* parent = nullptr);

    // Runs the dialog modally over a copy of the list: nothing when it is cancelled, otherwise
    // the index of the entry found, or -1 when none begins with the text.
    static std::optional<qsizetype> Run(QWidget* parent, const WordList& entries);

    void setSearchText(const QString& text);
    qsizetype foundIndex() const { return foundIndex_; }

    void accept() override;

private:
    WordList entries_;
    QLineEdit* searchText_;
    qsizetype foundIndex_ = -1;
};

// Tests answer the find dialog in advance instead of showing it, so none can hang a test run:
// while answering is on, Run takes the next queued answer (a search text, confirmed with OK,
// or nothing for Cancel; Cancel when none is queued) and finds as OK would.
namespace FindDlgAnswers {
void Enable(bool on);
void Queue(std::optional<QString> searchText);
void Clear();
} // namespace FindDlgAnswers
