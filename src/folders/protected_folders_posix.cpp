#include "folders/protected_folders.h"

#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <string>

#include "folders/home_directory.h"
#include "folders/path_names.h"
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

std::u16string WithoutTrailingSeparators(std::u16string_view path) {
    while (path.size() > 1 && path.back() == u'/') path.remove_suffix(1);
    return std::u16string(path);
}

// The same folder by text or, when both can be looked up, as a file system object.
bool SameFolder(const std::u16string& folder, const std::optional<FolderIdentity>& identity,
                std::u16string_view other) {
    if (other.empty()) return false;
    if (folder == WithoutTrailingSeparators(other)) return true;
    return identity && identity == IdentityOf(Utf16ToUtf8(other));
}

}  // namespace

FolderProtection ProtectionOf(std::u16string_view folder_path, const std::vector<std::u16string>& mount_points) {
    const std::u16string folder = WithoutTrailingSeparators(folder_path);
    const std::string native = Utf16ToUtf8(folder);
    struct stat link_info {};
    const bool is_link = ::lstat(native.c_str(), &link_info) == 0 && S_ISLNK(link_info.st_mode);
    if (IsRootFolder(folder)) return FolderProtection::kRoot;
    if (is_link) return FolderProtection::kNone;
    const std::optional<FolderIdentity> identity = IdentityOf(native);
    if (SameFolder(folder, identity, u"/")) return FolderProtection::kRoot;
    if (SameFolder(folder, identity, HomeDirectory())) return FolderProtection::kHome;
    if (std::any_of(mount_points.begin(), mount_points.end(),
                    [&](const std::u16string& mount_point) { return SameFolder(folder, identity, mount_point); }))
        return FolderProtection::kMountPoint;
    const std::optional<FolderIdentity> parent = IdentityOf(native + "/..");
    if (identity && parent && identity->device != parent->device) return FolderProtection::kMountPoint;
    return FolderProtection::kNone;
}

}  // namespace sorvane
