// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace sorvane {

// The folder panel's operations give their outcome back as an error code, never thrown, and the
// caller decides what the user sees; key and settings files throw IoError instead (fileio/io_error.h),
// since a failure there always ends the command.

// Whether the path names an existing file: symbolic links followed, false for folders.
bool FileExists(const std::filesystem::path& path);

// Whether the path names an existing folder (links followed).
bool FolderExists(const std::filesystem::path& path);

// Moves a file to a new path, never replacing an existing file or folder there.
[[nodiscard]] std::error_code MoveFileNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// Renames a folder, never replacing an existing one there, empty or not.
[[nodiscard]] std::error_code RenameDir(const std::filesystem::path& DirFrom, const std::filesystem::path& DirTo);

// Deletes a folder with everything in it, depth first, as far as the system allows, silently.
// Symbolic links inside are removed as entries: what they point to is never touched.
void RemoveAll(const std::filesystem::path& path);

// Deletes one file.
[[nodiscard]] std::error_code DeleteFile(const std::filesystem::path& path);

// Creates one folder (owner-only: it will hold keys).
[[nodiscard]] std::error_code CreateFolder(const std::filesystem::path& path);

}  // namespace sorvane
