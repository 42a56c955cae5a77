// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sorvane {

// Windows paths: "\" separators and drive colons ("C:\keys"). POSIX paths: "/" and the root "/".
enum class PathStyle { kWindows, kPosix };

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::kWindows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::kPosix;
#endif

// The separator that joins a folder and a name.
char16_t PathSeparator(PathStyle style = kNativePathStyle);

// A file's name without its folder: the text after the last separator (or drive colon).
std::u16string ExtractFileName(std::u16string_view FileName, PathStyle style = kNativePathStyle);

// A file's name without its folder, with the first occurrence of its extension text removed
// ("a.keyring.key" gives "aring.key": the first ".key" goes).
std::u16string ExtractOnlyFileName(std::u16string_view FileName, PathStyle style = kNativePathStyle);

// The folder above: "C:\data\keys" gives "C:\data", "C:\data" and "C:\" give "C:\"; "/data" and "/"
// give "/". A text without a separator gives the empty text.
std::u16string UpDir(std::u16string_view sDir, PathStyle style = kNativePathStyle);

// The last component: "C:\data\keys" gives "keys"; a root ("C:\", "/") is returned whole.
std::u16string ThisDir(std::u16string_view sDir, PathStyle style = kNativePathStyle);

// Folder and name with one separator between them; a folder that already ends with one (a root)
// gets another, which the file system reads as one.
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name, PathStyle style = kNativePathStyle);

// The path of an entry of a folder, as the lists give it: one separator between, none added when
// the folder already ends with one (a root).
std::u16string ChildPath(std::u16string_view folder, std::u16string_view name, PathStyle style = kNativePathStyle);

// The same joining for paths as the file system has them: the name is appended to the folder's own
// bytes after one separator; an absolute name never replaces the folder.
std::filesystem::path JoinPath(const std::filesystem::path& folder, const std::filesystem::path& name);

// Whether two folder paths name the same folder as the lists compare them: Windows names ignore
// letter case, POSIX ones do not.
bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether the folder is a root: "/" on POSIX, a drive root such as "C:\" on Windows.
bool IsRootFolder(std::u16string_view folder, PathStyle style = kNativePathStyle);
bool IsRootFolder(const std::filesystem::path& folder);

}  // namespace sorvane
