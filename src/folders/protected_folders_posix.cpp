// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/protected_folders.h"

#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "folders/home_directory.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

struct FolderIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FolderIdentity&) const = default;
};

std::optional<FolderIdentity> IdentityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FolderIdentity{info.st_dev, info.st_ino};
}

std::string WithoutTrailingSeparators(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
    return std::string(path);
}

struct ProtectedPlace {
    std::string path;
    FolderProtection why;
};

}  // namespace

FolderProtection ProtectionOf(const std::filesystem::path& folder_path,
                              const std::vector<std::u16string>& mount_points) {
    const std::string folder = WithoutTrailingSeparators(folder_path.native());
    if (folder == "/") return FolderProtection::kRoot;
    std::vector<ProtectedPlace> places = {{"/", FolderProtection::kRoot},
                                          {Utf16ToUtf8(HomeDirectory()), FolderProtection::kHome}};
    for (const std::u16string& mount_point : mount_points)
        places.push_back({Utf16ToUtf8(mount_point), FolderProtection::kMountPoint});
    std::erase_if(places, [](const ProtectedPlace& place) { return place.path.empty(); });
    // By text first: a link standing in such a place is kept too.
    for (const ProtectedPlace& place : places)
        if (folder == WithoutTrailingSeparators(place.path)) return place.why;
    const std::string& native = folder;
    struct stat link_info {};
    if (::lstat(native.c_str(), &link_info) == 0 && S_ISLNK(link_info.st_mode)) return FolderProtection::kNone;
    // Then as file system objects: the same folder reached through a link above it.
    const std::optional<FolderIdentity> identity = IdentityOf(native);
    if (!identity) return FolderProtection::kNone;
    for (const ProtectedPlace& place : places)
        if (identity == IdentityOf(place.path)) return place.why;
    const std::optional<FolderIdentity> parent = IdentityOf(native + "/..");
    if (parent && identity->device != parent->device) return FolderProtection::kMountPoint;
    return FolderProtection::kNone;
}

}  // namespace sorvane
