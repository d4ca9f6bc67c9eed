#pragma once

#include "app/StringIds.h"

#include <QString>

// The text of a string-table entry in the interface language in use. The installed translator
// (a language file, language/<Name>.qm) supplies it under the id "IDS_<number>"; when none is
// installed or it lacks the string, the program's own Simplified Chinese copy is used.
QString StringText(StringId id);
