// SPDX-License-Identifier: GPL-3.0-or-later
// ReadKeyLine over arbitrary file contents: the line up to the first CR, LF or 0x1A, decoded. The file
// lives in memory (memfd), so that nothing is left in /tmp.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "keystore/key_file.h"
#include "text/unicode.h"
#include "text/windows1251.h"

namespace {

int MemoryFile() {
    static const int fd = ::memfd_create("sorvane-fuzz-key", MFD_CLOEXEC);
    if (fd < 0) std::abort();
    return fd;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const int fd = MemoryFile();
    if (::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, content.data(), content.size(), 0) != static_cast<ssize_t>(content.size()))
        std::abort();
    static const std::u16string path = sorvane::Utf8ToUtf16("/proc/self/fd/" + std::to_string(fd));
    const std::u16string line = sorvane::ReadKeyLine(path);
    const std::string expected = content.substr(0, content.find_first_of(std::string("\r\n\x1a", 3)));
    if (line != sorvane::DecodeWindows1251(expected)) std::abort();
    return 0;
}
