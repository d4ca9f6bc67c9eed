#pragma once

#include "recitation/SettingsRecord.h"

#include <QUuid>

// The record stores a voice's mode id as a Guid, the speech engine names voices by QUuid; both
// hold the same 16 bytes in the same layout. They are converted here and nowhere else.
QUuid ModeIdOf(const Guid& stored);
Guid StoredModeId(const QUuid& modeId);
