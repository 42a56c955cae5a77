// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sorvane {

// Below the window a path is the file system's own name (bytes on Linux): a name read from a folder
// is kept as it was listed, and text becomes a path only where the user typed it.

// A path typed or stored as text: UTF-8 on Linux (a lone surrogate becomes U+FFFD).
std::filesystem::path PathFromText(std::u16string_view text);

// How a path or a name is shown: UTF-8 as it is; a name that is not valid UTF-8 (carried over from
// an old Windows archive, say) is read as Windows-1251, which every byte string survives.
std::u16string DisplayText(const std::filesystem::path& path);
std::u16string DisplayText(std::string_view name);

// Whether the path's bytes are text as the user could type it (valid UTF-8), so that PathFromText of
// DisplayText gives it back.
bool IsTextPath(const std::filesystem::path& path);

}  // namespace sorvane
