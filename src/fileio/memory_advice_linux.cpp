// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/memory_advice.h"

#include <sys/mman.h>

#include <cstdint>

namespace sorvane {

void AdviseSequentialFill(void* data, std::size_t size) {
    constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kHugePage - 1);
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace sorvane
