#pragma once

#include "speech/SpeechBackend.h"

// Every installed voice: the built-in synthesizer's, then the speech service's.
std::vector<VoiceInfo> InstalledVoices();

// An instance speaking with the installed voice of that id; nullptr when there is none. The
// built-in voices are looked up first, so they never wait for the speech service.
std::unique_ptr<SpeakingVoice> OpenVoice(const QUuid& id);

// The id under which the voice a mode id names is listed: the id itself, or, for the default
// mode id, the id of the built-in British voice it stands for.
QUuid ListedId(const QUuid& modeId);

// Loads the built-in synthesizer and its voice list on a thread of its own and returns at once,
// so that the first voice started finds them ready; start-up calls it before the application
// connects to the display. Loading takes a few milliseconds (reading every voice file), which
// would otherwise delay the window's first paint.
void StartLoadingVoices();
