#pragma once

#include "app/CommandLine.h"

#include <optional>

// Answers a command line that ends the program in the terminal (see AnsweredInTerminal), with
// no display: in the language "--language" names, else the desktop's, as the window would
// speak. Returns the exit code then; nothing when the program is to start its window.
std::optional<int> RunTerminalCommand(const CommandLine& commandLine, int& argc, char* argv[]);
