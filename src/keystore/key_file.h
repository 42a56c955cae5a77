// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sorvane {

// The first line of a key file, from Windows-1251: up to the first CR or LF or the byte 0x1A that
// ends the file. Reads only as far as the line goes. Throws IoError naming the file.
std::u16string ReadKeyLine(const std::filesystem::path& path);

// Replaces the file's content, atomically, with the text in Windows-1251 and CR LF.
// Throws IoError naming the file; on failure the old content stays whole.
void WriteKeyLine(const std::filesystem::path& path, std::u16string_view text);

}  // namespace sorvane
