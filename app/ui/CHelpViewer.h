#pragma once

#include "controls/HelpWindows.h"

#include <QTextBrowser>

// The help window: the help page of the interface language in use, in a window of its own that
// belongs to no other and stays until the main window goes. There is one at a time; asking for
// help again brings it forward, on the page of the language in use then, and beside the dialog
// it was asked for from.
class CHelpViewer : public QTextBrowser {
    Q_OBJECT

public:
    // Opens the help for a language from the program's resources, English where that language
    // has no page. Nothing, and null, when there is no page at all.
    static CHelpViewer* ShowHelp(const QString& resourceFolder, const QString& language);

    // Closes every help window, as the main window does when it goes.
    static void CloseAll();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CHelpViewer();
    static CHelpViewer* OpenViewer();
    // Moves off `dialog` when over it.
    void StandBeside(const QWidget& dialog);
};

// The help windows the main window opens and closes: these, with the pages of the program's
// resources.
HelpWindows HelpViewerWindows(const QString& resourceFolder);
