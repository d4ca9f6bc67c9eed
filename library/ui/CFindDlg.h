#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;

// The find dialog ("查找/定位"): one line for the beginning of an entry, OK and Cancel,
// centred on the screen.
class CFindDlg : public QDialog {
    Q_OBJECT

public:
    explicit CFindDlg(QWidget* parent = nullptr);

    // Runs the dialog modally: the text as typed, spaces included, when it is confirmed with
    // OK; nothing when it is cancelled. Tests answer it in advance (AnswersInAdvance.h).
    static std::optional<QString> Run(QWidget* parent);

    QString searchText() const;

private:
    QLineEdit* searchText_;
};
