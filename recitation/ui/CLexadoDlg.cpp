#include "recitation/ui/CLexadoDlg.h"

#include "controls/CAboutDlg.h"
#include "controls/MessageBox.h"
#include "library/ui/CLibraryManagerDlg.h"
#include "memory/StatsModule.h"
#include "recitation/SettingsFile.h"
#include "recitation/ui/WordFont.h"
#include "speech/IpaTranscription.h"
#include "speech/SpeechEngine.h"
#include "strings/LanguageSwitch.h"
#include "strings/StringTable.h"
#include "strings/TextCodec.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QShowEvent>
#include <QWindow>

#include <utility>

namespace {

// The window's title; a second copy of the program looks for it.
const QString kWindowTitle = QStringLiteral("LXD");

} // namespace

CLexadoDlg::CLexadoDlg(const QString& programFolder, const QString& resourceFolder,
                       LanguageSwitch& languages, HelpWindows help, LibraryPreload preload,
                       QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), programFolder_(programFolder),
      resourceFolder_(resourceFolder), languages_(languages), help_(std::move(help)),
      preload_(std::move(preload)),
      memory_(engine_, programFolder, [] { return QDateTime::currentDateTime(); }),
      dialogue_(*this, programFolder, catalogue_),
      commands_(
          engine_, programFolder, dialogue_,
          {[this](SettingsRecord& record) { FitLoadedRecord(record); }, [this] { StartSpeech(); }},
          &memory_) {
    OnInitDialog();
}

CLexadoDlg::~CLexadoDlg() {
    if (help_.closeAll) {
        help_.closeAll();
    }
    RemovePhoneticFont(phoneticFontId_);
}

// The start-up order: catalogue, settings, word memory (when its mode chooses the entries; else
// after the first paint), library, always-on-top, the voice when speech is on, first entry, tip;
// the timers start when the window is shown. The tip shows also while another program has the
// focus.
void CLexadoDlg::OnInitDialog() {
    setWindowTitle(kWindowTitle);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    connect(&engine_, &RecitationEngine::entryShown, this, &CLexadoDlg::ShowEntry);
    connect(&engine_, &RecitationEngine::ticked, this, &CLexadoDlg::OnTick);
    connect(&engine_, &RecitationEngine::wordToSpeak, this, &CLexadoDlg::SpeakWord);
    strokeSettle_.setSingleShot(true);
    connect(&strokeSettle_, &QTimer::timeout, this, &CLexadoDlg::SettleKeyStroke);
    catalogue_ = ReadCatalogue(programFolder_);
    const SettingsRecord record = LoadSettings();
    OpenMemoryAtStart();
    engine_.Start(record, preload_.Take(programFolder_, NameField(record.libraryFile)).entries);
    ApplyAlwaysOnTop();
    if (record.speechOn) {
        StartSpeech();
    }
    engine_.NextEntry();
    setToolTip(StringText(StringId::ProgramName));
    InstallShortcuts();
}

// Opening the word memory and writing the first showing take a few milliseconds that the
// window's first paint need not wait for, unless the memory's mode chooses the first entry.
// A command given before the paint, or a window that is not painted within its time, opens it
// at once.
void CLexadoDlg::OpenMemoryAtStart() {
    memory_.ReadSettings();
    if (memory_.settings().enabled) {
        TellMemoryOpening(memory_.Open());
        return;
    }
    memoryWaits_ = true;
    connect(&memoryOpening_, &QTimer::timeout, this, &CLexadoDlg::OpenWaitingMemory);
    StartAtFirstPaint(memoryOpening_);
}

void CLexadoDlg::OpenWaitingMemory() {
    if (memoryWaits_) {
        memoryWaits_ = false;
        memoryOpening_.stop();
        TellMemoryOpening(memory_.Open());
    }
}

RecitationMemory& CLexadoDlg::memory() {
    OpenWaitingMemory();
    return memory_;
}

void CLexadoDlg::StartAtFirstPaint(QTimer& timer) {
    constexpr int kPaintWaitMs = 500;
    timer.setSingleShot(true);
    connect(this, &CLexadoDlg::firstPainted, &timer, [&timer] {
        if (timer.isActive()) {
            timer.start(0);
        }
    });
    timer.start(kPaintWaitMs);
}

// Once the window is up, so that the message has a window to stand over.
void CLexadoDlg::TellMemoryOpening(const RecitationMemory::Opening& opening) {
    QString text;
    if (!opening.movedAside.isEmpty()) {
        text = StringText(StringId::MemoryMovedAside).arg(QFileInfo(opening.movedAside).fileName());
    } else if (!opening.opened) {
        text = StringText(StringId::MemoryNotOpened).arg(opening.failure);
    }
    if (!text.isEmpty()) {
        QTimer::singleShot(0, this, [this, text] { ShowMessage(this, text); });
    }
}

// The record from Lexado.ini, or the defaults of a first start: the window where it is now and
// Arial of 16 points, in the record's pixels, which the desktop's scaling enlarges. Whatever the
// file holds, the window's place is brought onto a screen and the word font made to fit that
// screen.
SettingsRecord CLexadoDlg::LoadSettings() {
    const SettingsRecord defaults = DefaultSettings(kRecordDpi, geometry());
    SettingsRecord record = ::LoadSettings(programFolder_, defaults).value_or(defaults);
    phoneticFontId_ = InstallPhoneticFont(resourceFolder_);
    TakeWordFont(record);
    return record;
}

// The word font kept within the work area of the stored place's screen, and both fonts made
// from it.
void CLexadoDlg::TakeWordFont(SettingsRecord& record) {
    const int workAreaHeight = BringOntoScreen(record).workArea.height();
    FitWordFontToScreen(record.wordFont, qRound(workAreaHeight / ScreenFontScale()));
    BuildFonts(record.wordFont);
}

// The word font from its description, the description written back as the font is in use, and
// the phonetic font at 9/10 of its height: the program's own, or without it the word font's
// face, with the transcription framed by brackets.
void CLexadoDlg::BuildFonts(LogFontA& description) {
    const qreal scale = ScreenFontScale();
    wordFont_ = FontFromLogFont(description, scale);
    StoreFont(wordFont_, description, scale);
    const bool ownFont = phoneticFontId_ >= 0;
    phoneticFont_ =
        PhoneticFont(description, ownFont ? kPhoneticFamily : wordFont_.family(), scale);
    transcriptionFrame_ = ownFont ? TranscriptionFrame::PhoneticFont : TranscriptionFrame::Brackets;
}

void CLexadoDlg::InstallShortcuts() {
    for (const CommandShortcut& shortcut : kCommandShortcuts) {
        auto* key = new QShortcut(QKeySequence(QString::fromLatin1(shortcut.keys)), this);
        key->setContext(Qt::WindowShortcut);
        const CommandId command = shortcut.command;
        connect(key, &QShortcut::activated, this, [this, command] { RunCommand(command); });
    }
}

// The word commands carry out what they can; the rest is the window's own.
void CLexadoDlg::RunCommand(CommandId command) {
    OpenWaitingMemory();
    if (commands_.Run(command)) {
        return;
    }
    switch (command) {
    case CommandId::ReadAgain:
        ReadAgain();
        break;
    case CommandId::LibraryManager:
        ManageLibraries();
        break;
    case CommandId::Settings:
        ChangeSettings();
        break;
    case CommandId::AlwaysOnTop:
        ToggleAlwaysOnTop();
        break;
    case CommandId::LanguageSimplifiedChinese:
    case CommandId::LanguageTraditionalChinese:
    case CommandId::LanguageEnglish:
    case CommandId::LanguageJapanese:
        SwitchLanguage(command);
        break;
    case CommandId::LanguageKorean: // offered by the menu, with nothing behind it
        break;
    case CommandId::Help:
        ShowHelp();
        break;
    case CommandId::Statistics:
        ShowStatistics();
        break;
    case CommandId::About: // the timers run on behind it
        CAboutDlg(this).exec();
        break;
    case CommandId::Exit:
        Exit();
        break;
    default:
        break;
    }
}

// A shown window is told through its platform window: changing a widget's flags would unmap it
// and map it anew, and a click at that moment would be lost.
void CLexadoDlg::ApplyAlwaysOnTop() {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, engine_.settings().alwaysOnTop);
    if (QWindow* window = windowHandle()) {
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

void CLexadoDlg::ToggleAlwaysOnTop() {
    engine_.SetAlwaysOnTop(!engine_.settings().alwaysOnTop);
    ApplyAlwaysOnTop();
}

// The manager edits the catalogue in place; the presented library stays as it is, even when
// it was taken out of the catalogue or its file deleted.
void CLexadoDlg::ManageLibraries() {
    const TimerHold hold = engine_.HoldTimers();
    CLibraryManagerDlg dialog(programFolder_, catalogue_, &IpaTranscription, this);
    dialog.exec();
}

// One statistics window at a time, of the library on show, beside the recitation.
void CLexadoDlg::ShowStatistics() {
    if (!memory_.isOpen()) {
        return;
    }
    if (!statistics_) {
        StatsWindowRequest request{programFolder_,
                                   {},
                                   MemoryLibraryName(NameField(engine_.settings().libraryFile)),
                                   memory_.settings().schedule.retention,
                                   languages_.LocaleInUse()};
        for (qsizetype i = 0; i < catalogue_.size(); ++i) {
            const CatalogueEntry entry = SplitCatalogueEntry(catalogue_.at(i));
            request.libraries.push_back({MemoryLibraryName(entry.file), DecodeLine(entry.name)});
        }
        const StatsWindowOpening opening =
            MakeStatsWindow(QCoreApplication::applicationDirPath(), request, this);
        if (opening.window == nullptr) {
            ShowMessage(this, StringText(StringId::StatsModuleMissing).arg(opening.failure));
            return;
        }
        statistics_ = opening.window;
    }
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

// A record that cannot be saved ends the program with code 1.
void CLexadoDlg::Exit() {
    exitCode_ = commands_.SaveAtExit() ? 0 : 1;
    close();
}

// The timers start when the window is first shown, so that the first entry is on screen for
// its whole time; showing the window again changes nothing.
void CLexadoDlg::showEvent(QShowEvent* event) {
    if (!shownBefore_) {
        shownBefore_ = true;
        engine_.RunTimers(true);
    }
    QWidget::showEvent(event);
}

// Closing in any way but the exit command writes nothing. The voice is released; a word it is
// speaking is heard to its end.
void CLexadoDlg::closeEvent(QCloseEvent* event) {
    engine_.RunTimers(false);
    ReleaseSpeech();
    event->accept();
    emit finished(exitCode_);
}
