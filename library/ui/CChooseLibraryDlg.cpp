#include "library/ui/CChooseLibraryDlg.h"

CChooseLibraryDlg::CChooseLibraryDlg(QWidget* parent) : QDialog(parent) {}
