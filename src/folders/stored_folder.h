// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sorvane {

// A folder as the settings file keeps it (as text) and back. A folder whose name is not UTF-8 is kept
// as its Windows-1251 reading; reading back tries the text as typed first, then its Windows-1251
// bytes, so that such a folder comes back after a restart.
std::u16string StoredFolderText(const std::filesystem::path& folder);
std::filesystem::path FolderFromStoredText(std::u16string_view text);

}  // namespace sorvane
