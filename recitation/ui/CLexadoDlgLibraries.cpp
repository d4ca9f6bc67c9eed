// The library commands of CLexadoDlg: choosing the library to learn and managing the
// catalogue.

#include "recitation/ui/CLexadoDlg.h"

void CLexadoDlg::ChooseLibrary() {}

void CLexadoDlg::ManageLibraries() {}
