#pragma once

#include <QDialog>

// The About box: the program's icon, name and version, a copyright line, and links to the home
// page and to a mail to the authors, whose addresses show only in the links' tooltips. It is
// modal and opens in the middle of the desktop.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
