#pragma once

#include "library/ImportResult.h"
#include "library/LibraryExport.h"

#include <QString>

// The message that tells the user what an import did (the library and file made, the entries
// imported, the phonetics filled in and why others were not, the entries left out and why) or
// why nothing was imported, in the interface language.
QString ImportSummary(const ImportResult& result);

// The same for an export.
QString ExportSummary(const ExportResult& result);
