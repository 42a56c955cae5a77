// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

// Whether a file name matches a mask of "*" and "?" without regard to ASCII letter case;
// "*.*" matches every name, with or without an extension.
bool MatchesMask(std::u16string_view name, std::u16string_view mask);

// Orders names as the lists show them: without regard to letter case, then by code unit.
bool ListOrderLess(std::u16string_view a, std::u16string_view b);
// The same order as a three-way comparison: negative, zero or positive.
int CompareListOrder(std::u16string_view a, std::u16string_view b);

// An entry of a folder: its name exactly as the file system has it, and the name as shown. Two
// entries that look alike are still two entries.
struct FolderEntry {
    std::filesystem::path::string_type name;  // not a path: a listing makes many, and paths parse themselves
    std::u16string shown;
};

// The files in the folder whose shown names match the mask, in list order (of the shown names, then
// of the names themselves); no folders and no hidden files (dot files). Throws IoError when the
// folder cannot be read.
std::vector<FolderEntry> ListFiles(const std::filesystem::path& folder, std::u16string_view mask);

// The folder's subfolders (links to folders included), in list order, without hidden ones.
// Throws IoError when the folder cannot be read.
std::vector<FolderEntry> ListSubfolders(const std::filesystem::path& folder);

}  // namespace sorvane
