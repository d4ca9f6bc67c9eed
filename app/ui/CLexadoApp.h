#pragma once

#include "app/CommandLine.h"
#include "app/SingleCopy.h"
#include "controls/CSplashPicture.h"
#include "recitation/LibraryPreload.h"
#include "recitation/ui/CLexadoDlg.h"
#include "strings/LanguageSwitch.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

// The program: its start-up, in this order: the splash picture, the interface language, the
// check for another copy, the main window; and what lives as long as it runs: the language in
// use, the single-copy lock and the main window. The main window is built and shown while the
// picture is still up.
class CLexadoApp {
public:
    // For a command line that lets the program start; the application object must exist. The
    // main window takes its library from `preload` where that read the one it presents.
    explicit CLexadoApp(CommandLine commandLine, LibraryPreload preload = {});
    ~CLexadoApp();
    CLexadoApp(const CLexadoApp&) = delete;
    CLexadoApp& operator=(const CLexadoApp&) = delete;

    // Starts up. Nothing once the main window is on the screen; the exit code when the program
    // ends at once instead: 0 for a second copy, 1 when no language file or no program folder
    // can be had (the user has been told).
    std::optional<int> InitInstance();

    // Runs the main window until it ends; its exit code.
    int Run();

private:
    bool LoadLanguage();
    std::optional<QString> ProgramFolder();

    CommandLine commandLine_;
    LibraryPreload preload_;
    QString executableDir_;
    QString resourceFolder_;
    QPointer<CSplashPicture> splash_;
    LanguageSwitch languages_;
    std::unique_ptr<SingleCopy> singleCopy_;
    std::unique_ptr<CLexadoDlg> window_;
};
