// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

// Why a folder must not be deleted or renamed as a whole.
enum class FolderProtection {
    kNone,
    kRoot,       // the root of the file system
    kHome,       // the user's home folder
    kMountPoint  // a volume root: one of the mount points offered, or a folder on another device than its parent
};

// Decides whether the folder may go. Folders are compared by text, then as file system objects, so
// that a second path to the same folder (through a link above it) is caught; a symbolic link that
// does not stand in one of these places by name may go, since deleting or renaming it touches the
// link only.
FolderProtection ProtectionOf(const std::filesystem::path& folder, const std::vector<std::u16string>& mount_points);

}  // namespace sorvane
