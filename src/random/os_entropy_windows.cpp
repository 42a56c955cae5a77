// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/os_entropy.h"

#include <bcrypt.h>
#include <windows.h>

#include <stdexcept>

namespace sorvane {

void FillFromOsEntropy(unsigned char* buffer, std::size_t size) {
    while (size > 0) {
        const ULONG chunk = size > 0x10000000 ? 0x10000000 : static_cast<ULONG>(size);
        if (BCryptGenRandom(nullptr, buffer, chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG) != 0)
            throw std::runtime_error("The system random generator failed");
        buffer += chunk;
        size -= chunk;
    }
}

}  // namespace sorvane
