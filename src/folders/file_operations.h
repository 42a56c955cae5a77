#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace sorvane {

// Whether the path names an existing file: symbolic links followed, false for folders.
bool FileExists(std::u16string_view path);

// Whether the path names an existing folder (links followed).
bool FolderExists(std::u16string_view path);

// Moves a file to a new path, never replacing an existing file or folder there.
std::error_code MoveFileNoReplace(std::u16string_view from, std::u16string_view to);

// Renames a folder, never replacing an existing one there, empty or not.
std::error_code RenameDir(std::u16string_view DirFrom, std::u16string_view DirTo);

// Deletes a folder with everything in it, depth first, as far as the system allows, silently.
// Symbolic links inside are removed as entries: what they point to is never touched.
void RemoveAll(std::u16string_view path);

// Deletes one file; the outcome is given back, not thrown.
std::error_code DeleteFile(std::u16string_view path);

// Creates one folder (owner-only: it will hold keys); the outcome is given back, not thrown.
std::error_code CreateFolder(std::u16string_view path);

}  // namespace sorvane
