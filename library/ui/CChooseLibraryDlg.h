#pragma once

#include <QDialog>

class CChooseLibraryDlg : public QDialog {
    Q_OBJECT

public:
    explicit CChooseLibraryDlg(QWidget* parent = nullptr);
};
