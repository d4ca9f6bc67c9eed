// The context menu of CLexadoDlg: menu 144 with its pictures and the window's state in it,
// shown with the timers stopped. The chosen command runs once the menu has gone.

#include "recitation/ui/CLexadoDlg.h"

#include "controls/CBmpMenu.h"
#include "controls/PictureIds.h"
#include "strings/StringTable.h"

#include <array>
#include <utility>

namespace {

// The strip down the menu's left edge, stretched over its height and shared by the sub-menu.
constexpr int kStripWidth = 25;

// What the menu shows of the window's state.
struct MenuState {
    bool paused;
    bool alwaysOnTop;
    bool grouping;
    bool speechReady;
    bool memoryOpen;
    int languageIndex;
};

MenuItem Command(CommandId command, StringId text) {
    MenuItem item;
    item.command = static_cast<int>(command);
    item.text = StringText(text);
    return item;
}

MenuItem Command(CommandId command, StringId text, PictureId picture, bool greyed = false) {
    MenuItem item = Command(command, text);
    item.checkedPicture = item.uncheckedPicture = Picture(picture);
    item.greyed = greyed;
    return item;
}

// Pause and always-on-top show whether they are on (picture 167) or off (168).
MenuItem StateCommand(CommandId command, StringId text, bool on) {
    MenuItem item = Command(command, text, PictureId::StateOn);
    item.uncheckedPicture = Picture(on ? PictureId::StateOn : PictureId::StateOff);
    return item;
}

MenuItem Separator() {
    MenuItem item;
    item.type = MenuItem::Type::Separator;
    return item;
}

// The languages, in the order of languageIndex; Korean is offered but never checked.
MenuItem LanguageSubMenu(int languageIndex) {
    constexpr std::array kLanguages{
        std::pair{CommandId::LanguageSimplifiedChinese, StringId::MenuSimplifiedChinese},
        std::pair{CommandId::LanguageTraditionalChinese, StringId::MenuTraditionalChinese},
        std::pair{CommandId::LanguageEnglish, StringId::MenuEnglish},
        std::pair{CommandId::LanguageJapanese, StringId::MenuJapanese},
        std::pair{CommandId::LanguageKorean, StringId::MenuKorean},
    };
    MenuItem item;
    item.type = MenuItem::Type::SubMenu;
    item.text = StringText(StringId::MenuLanguage);
    item.checkedPicture = item.uncheckedPicture = Picture(PictureId::Language);
    for (int index = 0; index < static_cast<int>(kLanguages.size()); ++index) {
        const auto [command, text] = kLanguages.at(index);
        MenuItem language = Command(command, text);
        language.checked = index == languageIndex && command != CommandId::LanguageKorean;
        item.subMenu.append(language);
    }
    return item;
}

MenuDescription ContextMenu(const MenuState& state) {
    using C = CommandId;
    using S = StringId;
    using P = PictureId;
    return {
        StateCommand(C::Pause, S::MenuPause, state.paused),
        Command(C::ReadAgain, S::MenuReadAgain, P::ReadAgain, !state.speechReady),
        Command(C::AddToNewWordBook, S::MenuAddToNewWordBook, P::AddToNewWordBook),
        Command(C::DeleteWord, S::MenuDeleteWord, P::DeleteWord),
        Command(C::RateKnown, S::MenuRateKnown, P::RateKnown, !state.memoryOpen),
        Command(C::RateAgain, S::MenuRateAgain, P::RateAgain, !state.memoryOpen),
        Command(C::Statistics, S::StatsMenu, P::Statistics, !state.memoryOpen),
        Separator(),
        Command(C::ChooseLibrary, S::MenuChooseLibrary, P::ChooseLibrary),
        Command(C::Settings, S::MenuSettings, P::Settings),
        Command(C::LibraryManager, S::MenuLibraryManager, P::LibraryManager),
        Command(C::ClearNewWordBook, S::MenuClearNewWordBook, P::ClearNewWordBook),
        Command(C::SaveProgress, S::MenuSaveProgress, P::SaveProgress),
        Command(C::LoadProgress, S::MenuLoadProgress, P::LoadProgress),
        Command(C::PreviousGroup, S::MenuPreviousGroup, P::PreviousGroup, !state.grouping),
        Command(C::NextGroup, S::MenuNextGroup, P::NextGroup, !state.grouping),
        Command(C::Find, S::MenuFind, P::Find),
        StateCommand(C::AlwaysOnTop, S::MenuAlwaysOnTop, state.alwaysOnTop),
        LanguageSubMenu(state.languageIndex),
        Separator(),
        Command(C::Help, S::MenuHelp, P::Help),
        Command(C::About, S::MenuAbout, P::About),
        Command(C::Exit, S::MenuExit, P::Exit),
    };
}

} // namespace

// The timers stay stopped while the menu is open (and while paused, after it).
void CLexadoDlg::ShowContextMenu(const QPoint& globalPosition) {
    OpenWaitingMemory();
    const TimerHold hold = engine_.HoldTimers();
    const SettingsRecord& s = engine_.settings();
    CBmpMenu menu(kStripWidth, true, Picture(PictureId::MenuStrip), true);
    menu.Attach(ContextMenu({engine_.state().paused, s.alwaysOnTop, s.grouping,
                             engine_.state().speechReady, memory_.isOpen(), CheckedLanguage()}));
    connect(
        &menu, &CBmpMenu::commandChosen, this,
        [this](int command) { RunCommand(static_cast<CommandId>(command)); }, Qt::QueuedConnection);
    menu.Track(globalPosition, this);
}
