#pragma once

#include "app/StringIds.h"

#include <QString>

// The text of a string-table entry in the interface language in use. The installed
// translator supplies it under the id "IDS_<number>"; without a translation for it the
// program's own Simplified Chinese copy is returned.
QString StringText(StringId id);

// The program's own Simplified Chinese copy of a string, whatever language is installed.
QString SourceStringText(StringId id);
