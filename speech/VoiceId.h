#pragma once

#include <QString>
#include <QUuid>

// Voice ids are name-based UUIDs (version 5, SHA-1) in Lexado's own namespace
// {61B78AA6-270E-4856-8742-786FF4404084}, made from the back end and the voice's identifier:
// "espeak-ng:gmw/en-GB-x-rp", "speechd:rhvoice:Alan". The same voice keeps its id from run to
// run and from machine to machine.
QUuid VoiceId(const QString& name);

// The mode id of the settings of a first start, {C77C5170-2867-11D0-847B-444553540000}. It
// stands for the built-in British English voice.
inline constexpr QUuid kDefaultModeId{0xC77C5170, 0x2867, 0x11D0, 0x84, 0x7B, 0x44,
                                      0x45,       0x53,   0x54,   0x00, 0x00};
