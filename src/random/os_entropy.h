// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace sorvane {

// Fills the buffer from the operating system's cryptographic generator; throws std::runtime_error
// when the system cannot deliver.
void FillFromOsEntropy(unsigned char* buffer, std::size_t size);

}  // namespace sorvane
