#pragma once

#include "commands/RecitationMemory.h"
#include "commands/WordCommands.h"
#include "controls/HelpWindows.h"
#include "library/Catalogue.h"
#include "library/CurrentLibrary.h"
#include "recitation/CommandIds.h"
#include "recitation/DisplayLine.h"
#include "recitation/EntryLayout.h"
#include "recitation/KeyStrokes.h"
#include "recitation/LibraryPreload.h"
#include "recitation/RecitationEngine.h"
#include "recitation/RecitationState.h"
#include "recitation/SettingsRecord.h"
#include "recitation/WindowPlacement.h"
#include "recitation/ui/TextLayer.h"
#include "recitation/ui/WindowDialogue.h"
#include "settings/ui/SheetContext.h"

#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class LanguageSwitch;
class SpeechEngine;

// The main window: a small borderless window, kept above the others while alwaysOnTop is on,
// that shows the current entry of the presented library and is commanded by shortcuts, the
// mouse and the context menu. The engine owns the settings record, the library and the state of
// the run and decides what comes next; the word commands carry out the commands on the words
// and libraries. This class owns the fonts, turns events into calls on them and paints from the
// engine's state.
class CLexadoDlg : public QWidget {
    Q_OBJECT

public:
    // The program folder holds Lexado.ini, table.ini and data/; the resource folder the
    // language files, fonts, pictures and help pages. The language commands switch the
    // interface language of `languages`, which start-up owns. The window starts itself up at
    // once, taking its library from `preload` where that read it; when it goes, the help
    // windows go with it.
    CLexadoDlg(const QString& programFolder, const QString& resourceFolder,
               LanguageSwitch& languages, HelpWindows help = {}, LibraryPreload preload = {},
               QWidget* parent = nullptr);
    ~CLexadoDlg() override;

    // Carries out a command of the command table.
    void RunCommand(CommandId command);

    // Opens the help in the interface language in use.
    void ShowHelp();

    // The desktop page of the settings sheet, as the desktop companion offers it.
    void OfferDesktopPage(std::function<SheetDesktop()> page) { desktopPage_ = std::move(page); }

    const SettingsRecord& settings() const { return engine_.settings(); }
    const RecitationState& state() const { return engine_.state(); }
    const CurrentLibrary& library() const { return engine_.library(); }
    const LibraryCatalogue& catalogue() const { return catalogue_; }
    const DisplayLine& displayLine() const { return displayLine_; }
    const EntryLayout& entryLayout() const { return layout_; }
    const RecitationEngine& engine() const { return engine_; }
    // For the desktop companion, which pauses, resumes and steps the recitation and rates it.
    RecitationEngine& engine() { return engine_; }
    // Opened first when it was still waiting for the window's first paint.
    RecitationMemory& memory();
    // Starts the single-shot timer so that it fires just after the window's first paint, when
    // the painted frame has gone to the screen, or after a while when no paint comes (a window
    // covered as it starts): for work that need not hold up the window's first sight.
    void StartAtFirstPaint(QTimer& timer);
    const QFont& wordFont() const { return wordFont_; }
    const QFont& phoneticFont() const { return phoneticFont_; }

signals:
    // The window has ended and the program should end with this code.
    void finished(int exitCode);
    // The window's first paint is done; what can wait until the window is seen waits for it.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Start-up and commands (CLexadoDlg.cpp).
    void OnInitDialog();
    void OpenMemoryAtStart();
    void OpenWaitingMemory();
    void TellMemoryOpening(const RecitationMemory::Opening& opening);
    SettingsRecord LoadSettings();
    void TakeWordFont(SettingsRecord& record);
    void BuildFonts(LogFontA& description);
    void InstallShortcuts();
    void ApplyAlwaysOnTop();
    void ToggleAlwaysOnTop();
    void ManageLibraries();
    void ShowStatistics();
    void Exit();

    // Display (CLexadoDlgDisplay.cpp).
    void ShowEntry();
    void LayOut();
    TextLayer CurrentTextLayer() const;
    void OnTick(const TickStep& step);
    ScreenArea BringOntoScreen(SettingsRecord& record) const;
    void FitLoadedRecord(SettingsRecord& record);

    // Speech (CLexadoDlgSpeech.cpp).
    void StartSpeech();
    void SpeakWord(const QString& word);
    void ReadAgain();
    void ReleaseSpeech();

    // The settings sheet (CLexadoDlgSettings.cpp).
    void ChangeSettings();
    SheetReview ReviewPart();

    // The context menu (CLexadoDlgMenu.cpp).
    void ShowContextMenu(const QPoint& globalPosition);

    // The interface languages (CLexadoDlgLanguages.cpp).
    void SwitchLanguage(CommandId command);
    int CheckedLanguage() const;

    // Mouse and keyboard (CLexadoDlgInput.cpp).
    QString TipText() const;
    void OnDoubleClick();
    void DragTo(const QPoint& globalPosition);
    void StoreWindowRect();
    void SettleKeyStroke();
    void StepAfter(std::optional<int> endedStroke);

    QString programFolder_;
    QString resourceFolder_;
    LanguageSwitch& languages_;
    HelpWindows help_;
    LibraryPreload preload_;
    std::function<SheetDesktop()> desktopPage_; // none without a companion

    LibraryCatalogue catalogue_;
    RecitationEngine engine_;
    RecitationMemory memory_;
    QTimer memoryOpening_; // waits for the window's first paint
    bool memoryWaits_ = false;
    WindowDialogue dialogue_;
    WordCommands commands_;
    // The engine slot: it holds an engine, its voice selected, exactly while the state's
    // speechReady is set.
    std::unique_ptr<SpeechEngine> speechEngine_;
    QPointer<QWidget> statistics_; // while one is open

    QFont wordFont_;
    QFont phoneticFont_;
    int phoneticFontId_ = -1; // the program's phonetic font, or -1 when it could not be loaded
    TranscriptionFrame transcriptionFrame_ = TranscriptionFrame::PhoneticFont;

    DisplayLine displayLine_;
    EntryMeasures measures_; // the sizes of the three texts in their fonts
    EntryLayout layout_;
    TextLayerImage textLayer_;
    int barDrawnTo_ = 0; // where the bar ended at the last tick, to repaint only what grew

    bool dragging_ = false;
    QPoint dragOffset_; // from the window's top-left corner to the pointer
    KeyStrokes keyStrokes_;
    QTimer strokeSettle_;      // waits for the press that would make a release a repeat
    bool shownBefore_ = false; // the timers have been started by the first show
    bool paintedBefore_ = false;
    int exitCode_ = 0;
    // The language last chosen from the menu (0 to 3), which carries its check mark; none yet.
    int languageIndex_ = -1;
};
