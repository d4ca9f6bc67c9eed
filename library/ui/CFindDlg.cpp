#include "library/ui/CFindDlg.h"

CFindDlg::CFindDlg(QWidget* parent) : QDialog(parent) {}
