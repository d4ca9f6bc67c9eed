// The context menu of CLexadoDlg.

#include "recitation/ui/CLexadoDlg.h"

void CLexadoDlg::ShowContextMenu(const QPoint& globalPosition) {
    Q_UNUSED(globalPosition);
}
