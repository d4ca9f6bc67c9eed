#pragma once

#include <QString>

#include <functional>

// The program's help windows as the main window asks for them: the help in a language, and
// every help window closed when the main window goes. Start-up supplies them; the help viewer
// lives with start-up, above the window.
struct HelpWindows {
    std::function<void(const QString& language)> show;
    std::function<void()> closeAll;
};
