#include "app/ui/CLexadoApp.h"

#include "app/ProgramFolder.h"
#include "app/ui/CHelpViewer.h"
#include "companion/SessionSources.h"
#include "companion/ui/CCompanion.h"
#include "controls/MessageBox.h"
#include "strings/LanguageChoice.h"
#include "strings/StringTable.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

#include <utility>

CLexadoApp::CLexadoApp(CommandLine commandLine, LibraryPreload preload)
    : commandLine_(std::move(commandLine)), preload_(std::move(preload)),
      executableDir_(QApplication::applicationDirPath()),
      resourceFolder_(ResourceFolder(executableDir_)),
      languages_(QDir(resourceFolder_).filePath(QStringLiteral("language"))) {}

// The picture may still be up when the program ends at once.
CLexadoApp::~CLexadoApp() {
    delete splash_;
}

std::optional<int> CLexadoApp::InitInstance() {
    if (!commandLine_.noSplash) {
        splash_ = CSplashPicture::Show();
    }
    if (!LoadLanguage()) {
        return 1;
    }
    // A second copy ends without a word; its picture goes with it.
    singleCopy_ = std::make_unique<SingleCopy>(UserRuntimeFolder());
    if (!singleCopy_->IsOnlyCopy()) {
        return 0;
    }
    const std::optional<QString> programFolder = ProgramFolder();
    if (!programFolder) {
        return 1;
    }
    window_ = std::make_unique<CLexadoDlg>(*programFolder, resourceFolder_, languages_,
                                           HelpViewerWindows(resourceFolder_), std::move(preload_));
    QObject::connect(window_.get(), &CLexadoDlg::finished, qApp, &QApplication::exit);
    window_->show();
    // The window owns its companion.
    new CCompanion(*window_, *programFolder, UserRuntimeFolder(), SessionSources());
    if (splash_) { // it stays above the main window until it closes
        splash_->raise();
    }
    return std::nullopt;
}

int CLexadoApp::Run() {
    return QApplication::exec();
}

// The language "--language" names, else the desktop's; English when its file cannot be
// loaded. Without English either the program has no texts to show and ends.
bool CLexadoApp::LoadLanguage() {
    const QString language = StartupLanguage(commandLine_.language, QLocale::system());
    if (languages_.LoadStartupLanguage(language)) {
        return true;
    }
    ShowMessage(nullptr, StringText(StringId::ResourceLoadFailed));
    return false;
}

std::optional<QString> CLexadoApp::ProgramFolder() {
    const QString chosen = ChooseProgramFolder(commandLine_.home, executableDir_);
    const std::optional<QString> folder = PrepareProgramFolder(chosen, resourceFolder_);
    if (!folder) {
        ShowMessage(nullptr, StringText(StringId::CannotCreateFolder).arg(chosen));
    }
    return folder;
}
