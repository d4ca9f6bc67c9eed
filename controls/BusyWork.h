#pragma once

#include <QString>

#include <functional>

class QWidget;

// While it lives, the window takes no input and the pointer shows that the program is busy; the
// program's windows go on painting as long as its events are handled meanwhile.
class BusyWindow {
public:
    explicit BusyWindow(QWidget* window);
    ~BusyWindow();
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    QWidget* window_;
};

// Runs work that may take seconds (an import filling in thousands of phonetics) on a thread of
// its own, and returns when it is done. Meanwhile the window is busy (see BusyWindow), and a
// progress indicator with the text appears once the work has taken longer than a moment.
void RunWhileBusy(QWidget* window, const QString& text, const std::function<void()>& work);
