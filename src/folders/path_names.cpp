// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/path_names.h"

#include "text/case_folding.h"

namespace sorvane {
namespace {

constexpr auto npos = std::u16string_view::npos;

// Position of the last character that ends a folder part: "\" or ":" on Windows, "/" on POSIX.
std::size_t LastNameDelimiter(std::u16string_view path, PathStyle style) {
    return style == PathStyle::kWindows ? path.find_last_of(u"\\:") : path.rfind(u'/');
}

}  // namespace

char16_t PathSeparator(PathStyle style) { return style == PathStyle::kWindows ? u'\\' : u'/'; }

std::u16string ExtractFileName(std::u16string_view FileName, PathStyle style) {
    const std::size_t delimiter = LastNameDelimiter(FileName, style);
    return std::u16string(delimiter == npos ? FileName : FileName.substr(delimiter + 1));
}

std::u16string ExtractOnlyFileName(std::u16string_view FileName, PathStyle style) {
    std::u16string name = ExtractFileName(FileName, style);
    const std::size_t dot = name.rfind(u'.');
    if (dot == npos) return name;
    const std::u16string extension = name.substr(dot);
    name.erase(name.find(extension), extension.size());
    return name;
}

std::u16string UpDir(std::u16string_view sDir, PathStyle style) {
    const std::size_t p = sDir.rfind(PathSeparator(style));  // 0-based
    if (p == npos) return {};
    if (style == PathStyle::kWindows) {
        // Just below a drive root, or the root itself: the parent is the root, separator kept.
        if (p > 0 && sDir.find(u':') == p - 1) return std::u16string(sDir.substr(0, p + 1));
    } else if (p == 0) {
        return u"/";
    }
    return std::u16string(sDir.substr(0, p));
}

std::u16string ThisDir(std::u16string_view sDir, PathStyle style) {
    const std::size_t p = sDir.rfind(PathSeparator(style));
    if (p == npos) return {};
    if (style == PathStyle::kWindows) {
        if (sDir.size() < 4) return std::u16string(sDir.substr(0, p + 1));
    } else if (sDir == u"/") {
        return u"/";
    }
    return std::u16string(sDir.substr(p + 1));
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name, PathStyle style) {
    std::u16string path(folder);
    path += PathSeparator(style);
    path += name;
    return path;
}

std::u16string ChildPath(std::u16string_view folder, std::u16string_view name, PathStyle style) {
    if (!folder.empty() && folder.back() == PathSeparator(style)) return std::u16string(folder) + std::u16string(name);
    return JoinPath(folder, name, style);
}

std::filesystem::path JoinPath(const std::filesystem::path& folder, const std::filesystem::path& name) {
    auto joined = folder.native();
    joined += std::filesystem::path::preferred_separator;
    joined += name.native();
    return std::filesystem::path(std::move(joined));
}

bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
    if constexpr (kNativePathStyle == PathStyle::kWindows) return EqualsIgnoringCase(a.u16string(), b.u16string());
    return a == b;
}

bool IsRootFolder(const std::filesystem::path& folder) { return !folder.empty() && folder == folder.root_path(); }

bool IsRootFolder(std::u16string_view folder, PathStyle style) {
    if (style == PathStyle::kPosix) return folder == u"/";
    return UpDir(folder, style) == folder;
}

}  // namespace sorvane
