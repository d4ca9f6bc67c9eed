#include "library/LargeBuffer.h"

#include <cstdint>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>
#endif

void AdviseLargeBuffer(char* data, qsizetype size) {
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    constexpr qsizetype kWorthIt = 4 << 20;
    if (size < kWorthIt) {
        return;
    }
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) & ~(page - 1);
    const auto end =
        (reinterpret_cast<std::uintptr_t>(data) + static_cast<std::uintptr_t>(size)) & ~(page - 1);
    if (end > begin) {
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}
