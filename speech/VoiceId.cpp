#include "speech/VoiceId.h"

namespace {

constexpr QUuid kVoiceNamespace{0x61B78AA6, 0x270E, 0x4856, 0x87, 0x42, 0x78,
                                0x6F,       0xF4,   0x40,   0x40, 0x84};

} // namespace

QUuid VoiceId(const QString& name) {
    return QUuid::createUuidV5(kVoiceNamespace, name);
}
