#pragma once

#include <QStringView>

// The switches "Embedding" and "Automation", introduced by "/" or "-" and in any case, with
// which a program is started to serve another: start-up shows no picture then.
bool IsEmbeddingSwitch(QStringView argument);
