#include "platform/huge_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kv {

void AdviseHugePages(void* p, size_t bytes) {
#if defined(__linux__)
    constexpr uintptr_t kPage = 4096;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(p) + kPage - 1) & ~(kPage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(p) + bytes) & ~(kPage - 1);
    // The advice takes page-aligned addresses, computed as integers.
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);  // NOLINT(performance-no-int-to-ptr)
#else
    (void)p;
    (void)bytes;
#endif
}

}  // namespace kv
