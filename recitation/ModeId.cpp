#include "recitation/ModeId.h"

#include <algorithm>
#include <iterator>

QUuid ModeIdOf(const Guid& stored) {
    const std::uint8_t* d4 = stored.data4;
    return QUuid(stored.data1, stored.data2, stored.data3, d4[0], d4[1], d4[2], d4[3], d4[4], d4[5],
                 d4[6], d4[7]);
}

Guid StoredModeId(const QUuid& modeId) {
    Guid stored{modeId.data1, modeId.data2, modeId.data3, {}};
    std::ranges::copy(modeId.data4, std::begin(stored.data4));
    return stored;
}
