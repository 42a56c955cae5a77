// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/os_entropy.h"

#include <sys/random.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace sorvane {

void FillFromOsEntropy(unsigned char* buffer, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = getrandom(buffer + filled, size - filled, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error(std::string("The system random generator failed: ") + std::strerror(errno));
        }
        filled += static_cast<std::size_t>(got);
    }
}

}  // namespace sorvane
