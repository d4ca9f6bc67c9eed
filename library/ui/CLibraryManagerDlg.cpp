#include "library/ui/CLibraryManagerDlg.h"

CLibraryManagerDlg::CLibraryManagerDlg(QWidget* parent) : QDialog(parent) {}
