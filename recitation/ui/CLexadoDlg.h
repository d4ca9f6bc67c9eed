#pragma once

#include "library/Catalogue.h"
#include "library/CurrentLibrary.h"
#include "recitation/CommandIds.h"
#include "recitation/DisplayLine.h"
#include "recitation/EntryLayout.h"
#include "recitation/RecitationEngine.h"
#include "recitation/RecitationState.h"
#include "recitation/SettingsRecord.h"

#include <QFont>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <optional>

class QScreen;

// The main window: a small borderless window, kept above the others while alwaysOnTop is on,
// that shows the current entry of the presented library and is commanded by shortcuts, the
// mouse and the context menu. It owns the settings record, the library, the engine's state
// and the fonts; the engine decides what comes next, this class turns events into calls on it
// and paints from its state.
class CLexadoDlg : public QWidget {
    Q_OBJECT

public:
    // The program folder holds Lexado.ini, table.ini and data/; the resource folder the
    // language files, fonts and pictures. The window starts itself up at once.
    CLexadoDlg(const QString& programFolder, const QString& resourceFolder,
               QWidget* parent = nullptr);
    ~CLexadoDlg() override;

    // Carries out a command of the command table.
    void RunCommand(CommandId command);

    const SettingsRecord& settings() const { return settings_; }
    const RecitationState& state() const { return state_; }
    const CurrentLibrary& library() const { return library_; }
    const LibraryCatalogue& catalogue() const { return catalogue_; }
    const DisplayLine& displayLine() const { return displayLine_; }
    const EntryLayout& entryLayout() const { return layout_; }
    const RecitationEngine& engine() const { return engine_; }
    const QFont& wordFont() const { return wordFont_; }
    const QFont& phoneticFont() const { return phoneticFont_; }

signals:
    // The window has ended and the program should end with this code.
    void finished(int exitCode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Start-up and commands (CLexadoDlg.cpp).
    void OnInitDialog();
    void LoadSettings();
    void BuildFonts();
    void InstallShortcuts();
    void ApplyAlwaysOnTop();
    void ToggleAlwaysOnTop();
    void Exit();
    void WriteBackLibrary();

    // Display (CLexadoDlgDisplay.cpp).
    void ShowEntry();
    void LayOut();
    void OnTick();
    QScreen* ScreenOfWindowRect() const;

    // Commands on the entry on show and progress files (CLexadoDlgWords.cpp).
    void AddToNewWordBook();
    template <typename ChangeBook> bool ChangeNewWordBook(ChangeBook change);
    void ClearNewWordBook();
    void DeleteWord();
    void SaveProgress();
    void LoadProgress();
    void FindWord();

    // The library dialogs (CLexadoDlgLibraries.cpp).
    void ChooseLibrary();
    void ManageLibraries();

    // The context menu (CLexadoDlgMenu.cpp).
    void ShowContextMenu(const QPoint& globalPosition);

    // Mouse and keyboard (CLexadoDlgInput.cpp).
    void DoubleClickAction();
    void DragTo(const QPoint& globalPosition);
    void StoreWindowRect();

    QString programFolder_;
    QString resourceFolder_;

    LibraryCatalogue catalogue_;
    SettingsRecord settings_{};
    CurrentLibrary library_;
    RecitationState state_;
    RecitationEngine engine_;

    QFont wordFont_;
    QFont phoneticFont_;
    int phoneticFontId_ = -1;

    DisplayLine displayLine_;
    EntryMeasures measures_; // the sizes of the three texts in their fonts
    EntryLayout layout_;
    int barDrawnTo_ = 0; // where the bar ended at the last tick, to repaint only what grew

    bool dragging_ = false;
    QPoint dragOffset_;   // from the window's top-left corner to the pointer
    int stepKeyDown_ = 0; // Enter or Space pressed on this window and not yet released
    int exitCode_ = 0;
    // The language last chosen from the menu (0 to 3), which carries its check mark; none yet.
    int languageIndex_ = -1;

    // The line deleted last in this run; a second delete of the same line is refused.
    std::optional<QByteArray> lastDeletedLine_;
};
