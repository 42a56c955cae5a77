// SPDX-License-Identifier: GPL-3.0-or-later
#include "keystore/key_file.h"

#include <algorithm>
#include <cstring>

#include "fileio/atomic_write.h"
#include "fileio/file_reading.h"
#include "fileio/memory_advice.h"
#include "text/windows1251.h"

namespace sorvane {
namespace {

// Where the line ends in a block: the first CR, LF or 0x1A (memchr is vectorised; a byte loop is not).
std::size_t LineEnd(std::string_view block) {
    std::size_t end = block.size();
    for (const char stop : {'\n', '\r', '\x1a'}) {
        if (const void* found = std::memchr(block.data(), stop, end))
            end = static_cast<std::size_t>(static_cast<const char*>(found) - block.data());
    }
    return end;
}

}  // namespace

std::u16string ReadKeyLine(const std::filesystem::path& path) {
    std::u16string line;
    std::u16string decoded;
    ReadFileInBlocks(path, [&](std::string_view block, std::uint64_t file_size) {
        const std::size_t end = LineEnd(block);
        if (end == block.size() && line.capacity() < file_size) {
            line.reserve(static_cast<std::size_t>(file_size));  // a long line: grow once, not by doubling
            AdviseSequentialFill(line.data(), line.capacity() * sizeof(char16_t));
        }
        decoded.resize(end);
        std::transform(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(end), decoded.begin(),
                       [](char byte) { return DecodeWindows1251Byte(static_cast<unsigned char>(byte)); });
        line += decoded;
        return end == block.size();
    });
    return line;
}

void WriteKeyLine(const std::filesystem::path& path, std::u16string_view text) {
    AtomicWriteFile(path, EncodeWindows1251(text) + "\r\n");
}

}  // namespace sorvane
