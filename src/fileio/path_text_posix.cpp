// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/path_text.h"

#include <algorithm>

#include "text/unicode.h"
#include "text/windows1251.h"

namespace sorvane {

std::filesystem::path PathFromText(std::u16string_view text) { return std::filesystem::path(Utf16ToUtf8(text)); }

std::u16string DisplayText(const std::filesystem::path& path) { return DisplayText(std::string_view(path.native())); }

std::u16string DisplayText(std::string_view name) {
    // Most names are ASCII: one pass widens them (a listing shows every name of a folder).
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::u16string(name.begin(), name.end());
    return IsValidUtf8(name) ? Utf8ToUtf16(name) : DecodeWindows1251(name);
}

bool IsTextPath(const std::filesystem::path& path) { return IsValidUtf8(path.native()); }

}  // namespace sorvane
