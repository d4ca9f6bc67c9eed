#pragma once

#include "app/CommandLine.h"

#include <optional>

class QTextStream;

// --stats [--library NAME]: the word memory's figures of every library of the catalogue, or of
// the one named, as tab-separated lines with a header, for scripts. Returns the exit code when
// the command line asks for them: 0, 2 for a library not listed, 1 when the memory cannot be
// read (another program holding it past the lock wait among the reasons). Nothing otherwise.
std::optional<int> RunStatsCommand(const CommandLine& commandLine, const QString& resourceFolder,
                                   QTextStream& out, QTextStream& errors);
