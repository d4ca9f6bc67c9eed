// Commands on the entry on show of CLexadoDlg: the new-word book, deleting words, progress
// files, and find.

#include "recitation/ui/CLexadoDlg.h"

void CLexadoDlg::AddToNewWordBook() {}

void CLexadoDlg::ClearNewWordBook() {}

void CLexadoDlg::DeleteWord() {}

void CLexadoDlg::SaveProgress() {}

void CLexadoDlg::LoadProgress() {}

void CLexadoDlg::FindWord() {}
