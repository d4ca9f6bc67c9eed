#pragma once

#include <QDialog>

class CFindDlg : public QDialog {
    Q_OBJECT

public:
    explicit CFindDlg(QWidget* parent = nullptr);
};
