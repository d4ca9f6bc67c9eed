#include "recitation/ui/CLexadoDlg.h"

#include "recitation/ui/WindowGeometry.h"

#include "controls/MessageBox.h"
#include "recitation/SettingsFile.h"
#include "recitation/ui/WordFont.h"
#include "strings/StringTable.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>

namespace {

// The window's title; a second copy of the program looks for it.
const QString kWindowTitle = QStringLiteral("LXD");

} // namespace

CLexadoDlg::CLexadoDlg(const QString& programFolder, const QString& resourceFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), programFolder_(programFolder),
      resourceFolder_(resourceFolder), engine_(settings_, library_.words(), state_) {
    OnInitDialog();
}

CLexadoDlg::~CLexadoDlg() {
    RemovePhoneticFont(phoneticFontId_);
}

// The start-up order: catalogue, settings, always-on-top, library, timers, first entry, tip.
void CLexadoDlg::OnInitDialog() {
    setWindowTitle(kWindowTitle);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    state_.paused = false;
    catalogue_ = ReadCatalogue(programFolder_);
    LoadSettings();
    state_.currentLine = StringText(StringId::ProgramName).toUtf8();
    ApplyAlwaysOnTop();
    library_.Load(programFolder_, NameField(settings_.libraryFile));
    connect(&engine_, &RecitationEngine::entryShown, this, &CLexadoDlg::ShowEntry);
    connect(&engine_.tickTimer(), &QTimer::timeout, this, &CLexadoDlg::OnTick);
    engine_.SeedFromClock();
    engine_.RunTimers(true);
    engine_.NextEntry();
    setToolTip(StringText(StringId::ProgramName));
    InstallShortcuts();
}

// The record from Lexado.ini, or the defaults of a first start: the window where it is now and
// Arial of 16 points on this screen.
void CLexadoDlg::LoadSettings() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    const SettingsRecord defaults = DefaultSettings(dpi, RectOf(geometry()));
    settings_ = ::LoadSettings(programFolder_, defaults).value_or(defaults);
    phoneticFontId_ = InstallPhoneticFont(resourceFolder_);
    BuildFonts();
}

// The word font from the record, its description written back as it is in use, and the
// phonetic font at 9/10 of its height.
void CLexadoDlg::BuildFonts() {
    wordFont_ = FontFromLogFont(settings_.wordFont);
    StoreFont(wordFont_, settings_.wordFont);
    phoneticFont_ = PhoneticFont(settings_.wordFont);
}

void CLexadoDlg::InstallShortcuts() {
    for (const CommandShortcut& shortcut : kCommandShortcuts) {
        auto* key = new QShortcut(QKeySequence(QString::fromLatin1(shortcut.keys)), this);
        key->setContext(Qt::WindowShortcut);
        const CommandId command = shortcut.command;
        connect(key, &QShortcut::activated, this, [this, command] { RunCommand(command); });
    }
}

void CLexadoDlg::RunCommand(CommandId command) {
    switch (command) {
    case CommandId::Pause:
        engine_.TogglePause();
        break;
    case CommandId::PreviousGroup:
        engine_.PreviousGroup();
        break;
    case CommandId::NextGroup:
        engine_.NextGroup();
        break;
    case CommandId::AddToNewWordBook:
        AddToNewWordBook();
        break;
    case CommandId::ClearNewWordBook:
        ClearNewWordBook();
        break;
    case CommandId::DeleteWord:
        DeleteWord();
        break;
    case CommandId::SaveProgress:
        SaveProgress();
        break;
    case CommandId::LoadProgress:
        LoadProgress();
        break;
    case CommandId::Find:
        FindWord();
        break;
    case CommandId::ChooseLibrary:
        ChooseLibrary();
        break;
    case CommandId::LibraryManager:
        ManageLibraries();
        break;
    case CommandId::AlwaysOnTop:
        ToggleAlwaysOnTop();
        break;
    case CommandId::Exit:
        Exit();
        break;
    default:
        // Read again, settings, help, about and the languages arrive with the speech engine,
        // the settings sheet and the application shell.
        break;
    }
}

void CLexadoDlg::ApplyAlwaysOnTop() {
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, settings_.alwaysOnTop != 0);
    if (visible) {
        show(); // changing the flags hides the window
    }
}

void CLexadoDlg::ToggleAlwaysOnTop() {
    settings_.alwaysOnTop = settings_.alwaysOnTop ? 0 : 1;
    ApplyAlwaysOnTop();
}

// Exit saves the record (a failure there ends the program with code 1 and nothing else is
// written), writes back a library that lost entries, and closes.
void CLexadoDlg::Exit() {
    StoreFont(wordFont_, settings_.wordFont);
    if (!SaveSettings(programFolder_, settings_)) {
        ShowMessage(this, StringText(StringId::WriteFileError));
        exitCode_ = 1;
        close();
        return;
    }
    WriteBackLibrary();
    close();
}

// Writes back a library that lost entries; tells the user when its file cannot be written.
void CLexadoDlg::WriteBackLibrary() {
    if (!library_.RewriteIfDirty(programFolder_, NameField(settings_.libraryFile))) {
        ShowMessage(this, StringText(StringId::LibraryFileNotFound));
    }
}

// Closing in any way but the exit command writes nothing.
void CLexadoDlg::closeEvent(QCloseEvent* event) {
    engine_.RunTimers(false);
    event->accept();
    emit finished(exitCode_);
}
