#pragma once

#include "speech/AudioOutput.h"

#include <memory>

// The desktop's sound server (PulseAudio, or PipeWire through its PulseAudio service), reached
// through libpulse; nullptr when none answers. The connection stays; the stream is closed
// once a word has been played out and opened for the next. A stream left open keeps the server
// playing silence for it, and even corked it holds the output at its own short latency, so
// that the server wakes a hundred times a second while no word plays.
std::shared_ptr<AudioOutput> ConnectSoundServer();
