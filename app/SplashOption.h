#pragma once

#include <QStringList>

// Whether start-up shows its picture: not when the command line (program name first) carries
// the switch "Embedding" or "Automation", introduced by "/" or "-" and in any case, nor when
// it carries "--no-splash".
bool SplashWanted(const QStringList& arguments);
