#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

// Whether a file name matches a mask of "*" and "?" without regard to ASCII letter case;
// "*.*" matches every name, with or without an extension.
bool MatchesMask(std::u16string_view name, std::u16string_view mask);

// Orders names as the lists show them: without regard to letter case, then by code unit.
bool ListOrderLess(std::u16string_view a, std::u16string_view b);

// The names of the files in the folder that match the mask, sorted; no folders and no hidden files
// (dot files). Throws IoError when the folder cannot be read.
std::vector<std::u16string> ListFiles(std::u16string_view folder, std::u16string_view mask);

// The names of the folder's subfolders (links to folders included), sorted, without hidden ones.
// Throws IoError when the folder cannot be read.
std::vector<std::u16string> ListSubfolders(std::u16string_view folder);

}  // namespace sorvane
