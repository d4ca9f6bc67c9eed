#pragma once

#include "companion/RemoteCommand.h"

#include <QString>

// Sends the command to the copy running for the user and returns its answer. Without a running
// copy the exit code is 1, known within a second.
RemoteReply SendRemoteCommand(const QString& runtimeFolder, RemoteCommand command);
