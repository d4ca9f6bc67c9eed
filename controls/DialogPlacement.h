#pragma once

class QWidget;

// Sizes a dialog to its contents and centres it on the screen of its parent window (the
// primary screen without one), as the library dialogs and the settings sheet open in the
// middle of the desktop rather than over the small main window.
void CenterOnScreen(QWidget* dialog);
