#pragma once

#include "app/CommandLine.h"

#include <optional>

// --import and --export: a word list made a library of the program folder, or a library written
// out as tab-separated text, in a terminal, with no window and no display. The program folder
// is found as for the window; the sample data comes from the resource folder. What was done is
// printed on `out` as the window would tell it, in the interface language in use; why nothing
// was done goes to `errors`.
//
// Returns the exit code when the command line asks for one of them: 0 when it was done, 2 when
// the input is refused (a file that cannot be read or is no word list, a library not listed or
// missing, a name with a '#', a control character or blanks only, a target that is not a
// regular file), 1 when a file cannot be written or the catalogue stays locked. Nothing when
// the program is to start its window.
std::optional<int> RunWordListCommand(const CommandLine& commandLine, const QString& resourceFolder,
                                      QTextStream& out, QTextStream& errors);
