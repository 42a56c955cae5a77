// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace sorvane {

// Reads a regular file block by block (symbolic links followed). consume gets each block and the
// file's size as the system reports it, and returns false to stop early. Throws IoError naming the
// file when it cannot be opened or read, or is not a regular file.
void ReadFileInBlocks(const std::filesystem::path& path,
                      const std::function<bool(std::string_view block, std::uint64_t file_size)>& consume);

// The whole content of a regular file. Throws IoError.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace sorvane
