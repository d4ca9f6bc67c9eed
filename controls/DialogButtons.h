#pragma once

class QDialog;
class QDialogButtonBox;

// OK and Cancel with the program's own texts, OK the default button, accepting and rejecting
// the dialog; the caller places the box in the dialog's layout.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);
