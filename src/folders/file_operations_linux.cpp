// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/file_operations.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace sorvane {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

// rename that fails with EEXIST instead of replacing; ENOSYS/EINVAL where the file system lacks it.
int RenameNoReplace(const std::string& from, const std::string& to) {
    return static_cast<int>(::syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE));
}

bool NoReplaceUnsupported(int error_number) { return error_number == EINVAL || error_number == ENOSYS; }

// Deletes the entries of an open folder, then the folder itself, never following a link.
void RemoveTree(int parent_fd, const char* name) {
    const int fd = ::openat(parent_fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    DIR* folder = ::fdopendir(fd);
    if (folder == nullptr) {
        ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(folder)) {
        const std::string entry_name = entry->d_name;
        if (entry_name == "." || entry_name == "..") continue;
        bool is_folder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            is_folder = ::fstatat(fd, entry_name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
        }
        if (is_folder) {
            RemoveTree(fd, entry_name.c_str());
        } else {
            ::unlinkat(fd, entry_name.c_str(), 0);
        }
    }
    ::closedir(folder);
    ::unlinkat(parent_fd, name, AT_REMOVEDIR);
}

}  // namespace

bool FileExists(const std::filesystem::path& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool FolderExists(const std::filesystem::path& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::error_code MoveFileNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
    const std::string& source = from.native();
    const std::string& target = to.native();
    if (RenameNoReplace(source, target) == 0) return {};
    if (!NoReplaceUnsupported(errno)) return LastError();
    // A hard link fails when the target exists; then the old name goes.
    if (::link(source.c_str(), target.c_str()) != 0) return LastError();
    if (::unlink(source.c_str()) != 0) {
        const std::error_code error = LastError();
        ::unlink(target.c_str());
        return error;
    }
    return {};
}

std::error_code RenameDir(const std::filesystem::path& DirFrom, const std::filesystem::path& DirTo) {
    const std::string& source = DirFrom.native();
    const std::string& target = DirTo.native();
    if (RenameNoReplace(source, target) == 0) return {};
    if (!NoReplaceUnsupported(errno)) return LastError();
    struct stat info {};
    if (::lstat(target.c_str(), &info) == 0) return {EEXIST, std::generic_category()};
    if (::rename(source.c_str(), target.c_str()) != 0) return LastError();
    return {};
}

void RemoveAll(const std::filesystem::path& path) {
    std::string native = path.native();
    while (native.size() > 1 && native.back() == '/') native.pop_back();
    struct stat info {};
    if (::lstat(native.c_str(), &info) != 0) return;
    if (!S_ISDIR(info.st_mode)) {
        ::unlink(native.c_str());  // a link to a folder: the link goes, its target stays
        return;
    }
    RemoveTree(AT_FDCWD, native.c_str());
}

std::error_code DeleteFile(const std::filesystem::path& path) {
    if (::unlink(path.c_str()) != 0) return LastError();
    return {};
}

std::error_code CreateFolder(const std::filesystem::path& path) {
    if (::mkdir(path.c_str(), S_IRWXU) != 0) return LastError();
    return {};
}

}  // namespace sorvane
