#pragma once

#include <QString>

#include <functional>

class QWidget;

// Runs work that may take seconds (an import filling in thousands of phonetics) on a thread of
// its own, and returns when it is done. Meanwhile the window is disabled, the pointer shows
// that the program is busy, the program's windows go on painting, and a progress indicator
// with the text appears once the work has taken longer than a moment.
void RunWhileBusy(QWidget* window, const QString& text, const std::function<void()>& work);
