// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace sorvane {

// Tells the system that a large buffer is about to be filled from start to end, so that it can back
// it with large pages: filling a few hundred megabytes otherwise costs one page fault per 4 KiB.
// Only a hint: it does nothing where the system has no such service.
void AdviseSequentialFill(void* data, std::size_t size);

}  // namespace sorvane
