#pragma once

#include <QDialog>

class CLibraryManagerDlg : public QDialog {
    Q_OBJECT

public:
    explicit CLibraryManagerDlg(QWidget* parent = nullptr);
};
