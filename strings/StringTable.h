#pragma once

#include "strings/StringIds.h"

#include <QString>

// The text of a string-table entry in the interface language in use. The installed translator
// (a language file, language/<Name>.qm) supplies it under the id "IDS_<number>"; when none is
// installed or it lacks the string, the program's own Simplified Chinese copy is used.
// An id missing from the table has no text: it shows as "#<number>", and a test lists it.
QString StringText(StringId id);

// The id under which the language files hold the text ("IDS_105"); null when the table has no
// entry for it.
const char* TranslationId(StringId id);
