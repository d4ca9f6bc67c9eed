#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Which language file the interface uses. A language file is language/<Name>.qm, named by one
// of nine names. At start-up the desktop's locale is turned into the Windows language id of
// the same language and region, and that id picks the file; the menu offers four of the
// languages by index.

using LanguageId = std::uint16_t;

// The nine language file names: first those of the language commands, in the order of their
// indexes (see LanguageFileForIndex), the program's own Simplified Chinese first.
const QStringList& LanguageNames();

// The Windows language id (primary language and sub-language) of a locale's language and
// region. A region the language has no id for gives the language's neutral id, a language
// without an id 0; neither stands for any language file.
LanguageId LanguageIdForLocale(const QLocale& locale);

// The language file chosen at start-up for a system language id: Simplified Chinese for
// mainland China; Traditional Chinese for Taiwan, Hong Kong and Singapore; Japanese, Korean,
// German, French, Spanish and Russian for their countries; English for every other id.
QString LanguageFileForId(LanguageId id);

// The language file of an index of the language commands: 0 pChinese, 1 cChinese, 2 English,
// 3 Japanese, 4 Korean (which no menu row offers). Nothing for any other index.
std::optional<QString> LanguageFileForIndex(int index);

// The menu row (0 to 3) that carries the check mark when a language file is in use; nothing
// for a language the menu offers no row for.
std::optional<int> MenuIndexForLanguage(const QString& name);

// The language file named by the value of "--language", compared without regard to case;
// nothing when the value names none of the nine, which the command line refuses.
std::optional<QString> LanguageFromOption(const QString& value);

// The language file to start with: the one "--language" names when it was given (a name of
// LanguageNames()), else the desktop locale's.
QString StartupLanguage(const std::optional<QString>& languageOption, const QLocale& desktop);
