// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/atomic_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "fileio/file_descriptor.h"
#include "fileio/io_error.h"
#include "fileio/syscalls.h"
#include "random/os_entropy.h"

namespace sorvane {
namespace {

constexpr int kMaxLinkDepth = 40;
constexpr std::size_t kMaxDerivedNameLength = 200;
constexpr std::size_t kRandomLength = 10;
constexpr int kMaxNameAttempts = 100;
constexpr int kMaxRenameAttempts = 3;

std::string::size_type NameStart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

// Follows symbolic links to the file that is really written; a missing file is its own target.
std::string ResolveLinks(std::string path, const std::filesystem::path& shown) {
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) throw IoErrorFromErrno(IoAction::kWriteFile, shown, errno);
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : path.substr(0, NameStart(path)) + target;
    }
    throw IoErrorFromErrno(IoAction::kWriteFile, shown, ELOOP);
}

std::string RandomSuffix() {
    constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char raw[kRandomLength];
    FillFromOsEntropy(raw, sizeof raw);
    std::string suffix;
    for (const unsigned char byte : raw) suffix += kAlphabet[byte % kAlphabet.size()];
    return suffix;
}

// Writes all bytes from the descriptor's current offset, through the replaceable write call.
int WriteAll(int fd, std::string_view bytes) {
    const WriteSyscalls& calls = CurrentWriteSyscalls();
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t done = calls.write(fd, bytes.data() + written, bytes.size() - written);
        if (done < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (done == 0) return ENOSPC;
        written += static_cast<std::size_t>(done);
    }
    return 0;
}

// Copies the extended attributes (ACLs among them) of one open file to another, as far as allowed.
void CopyExtendedAttributes(int from, int to) {
    const ssize_t size = ::flistxattr(from, nullptr, 0);
    if (size <= 0) return;
    std::vector<char> names(static_cast<std::size_t>(size));
    const ssize_t got = ::flistxattr(from, names.data(), names.size());
    if (got <= 0) return;
    std::vector<char> value;
    for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
        const char* name = names.data() + at;
        at += std::char_traits<char>::length(name) + 1;
        const ssize_t length = ::fgetxattr(from, name, nullptr, 0);
        if (length < 0) continue;
        value.resize(static_cast<std::size_t>(length));
        const ssize_t read = ::fgetxattr(from, name, value.data(), value.size());
        if (read >= 0) {
            [[maybe_unused]] const int ignored = ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(read), 0);
        }
    }
}

// One write of one target: the folder held open, so that every step acts on the same folder.
class TargetWrite {
public:
    TargetWrite(const std::filesystem::path& shown, const std::string& target)
        : shown_(shown),
          name_(target.substr(NameStart(target))),
          folder_(::open(NameStart(target) == 0 ? "." : target.substr(0, NameStart(target)).c_str(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (!folder_.valid()) throw Fail(errno);
    }

    void Run(std::string_view bytes) {
        struct stat existing {};
        const bool exists = ::fstatat(folder_.get(), name_.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
        if (!exists && errno != ENOENT) throw Fail(errno);
        if (exists) {
            if (S_ISLNK(existing.st_mode)) throw Fail(ELOOP);  // a link put here while we looked
            if (S_ISDIR(existing.st_mode)) throw Fail(EISDIR);
            if (!S_ISREG(existing.st_mode)) throw IoErrorWithReason(IoAction::kWriteFile, shown_, kNotARegularFile);
            // A replacement would bypass a file that its owner made read-only: refuse as a plain write would.
            if (::faccessat(folder_.get(), name_.c_str(), W_OK, AT_EACCESS) != 0) throw Fail(errno);
            // A rename would split the file from its other names.
            if (existing.st_nlink > 1) return UpdateInPlace(bytes);
        }
        RemoveLeftovers();
        // Where the temporary file must be named from birth, a concurrent writer's clean-up may take it
        // in the moment between its creation and our lock: then the rename finds nothing, and we write
        // once more. The lock is held until the rename is done.
        for (int lost = 0;;) {
            FileDescriptor temporary = CreateTemporary();
            if (!temporary.valid()) {
                if (exists && (errno == EACCES || errno == EPERM)) return UpdateInPlace(bytes);  // folder not ours
                throw Fail(errno);
            }
            if (const int error = FillTemporary(temporary.get(), bytes, exists ? &existing : nullptr)) {
                Discard(temporary);
                throw Fail(error);
            }
            if (temporary_name_.empty()) {
                if (const int error = NameTemporary(temporary.get())) {
                    if (error != ENOENT && error != EPERM) throw Fail(error);
                    unnamed_works_ = false;  // no /proc to name it through: write a named one instead
                    continue;
                }
            }
            if (CurrentWriteSyscalls().renameat(folder_.get(), temporary_name_.c_str(), folder_.get(), name_.c_str()) ==
                0)
                break;  // flushed before: closing can lose nothing now
            const int error = errno;
            Discard(temporary);
            if (error != ENOENT || ++lost > kMaxRenameAttempts) throw Fail(error);
        }
        ::fsync(folder_.get());  // the rename is done; a folder that cannot be flushed only loses durability
    }

private:
    IoError Fail(int error_number) const { return IoErrorFromErrno(IoAction::kWriteFile, shown_, error_number); }

    // The name every temporary file of this target starts with; the rest is random.
    std::string TemporaryPrefix() const {
        if (name_.size() <= kMaxDerivedNameLength) return "." + name_ + ".sorvane-";
        // Too long to extend: a name from the FNV-1a hash of the original.
        std::uint64_t hash = 1469598103934665603ull;
        for (unsigned char c : name_) hash = (hash ^ c) * 1099511628211ull;
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
        return std::string(".sorvane-") + hex + "-";
    }

    // A new file, created by us alone (never an existing file, never through a link), owner-only from
    // the start and locked while we write it. Where the file system allows, it has no name until it is
    // locked and whole, so that no other writer's clean-up can ever see it unlocked; temporary_name_
    // is then empty. Invalid, errno set, on failure.
    FileDescriptor CreateTemporary() {
        temporary_name_.clear();
        if (unnamed_works_) {
            FileDescriptor fd(::openat(folder_.get(), ".", O_WRONLY | O_TMPFILE | O_CLOEXEC, S_IRUSR | S_IWUSR));
            if (fd.valid()) {
                ::flock(fd.get(), LOCK_EX);
                return fd;
            }
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return FileDescriptor();
            unnamed_works_ = false;
        }
        const std::string prefix = TemporaryPrefix();
        for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
            temporary_name_ = prefix + RandomSuffix();
            FileDescriptor fd(::openat(folder_.get(), temporary_name_.c_str(),
                                       O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR));
            if (fd.valid()) {
                ::flock(fd.get(), LOCK_EX);
                return fd;
            }
            if (errno != EEXIST) return FileDescriptor();
        }
        errno = EEXIST;
        return FileDescriptor();
    }

    // Links the locked, unnamed temporary file under a fresh name of the temporary pattern (never over
    // an existing name). 0 or an errno; ENOENT or EPERM when this system cannot name it.
    int NameTemporary(int fd) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        const std::string prefix = TemporaryPrefix();
        for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
            const std::string name = prefix + RandomSuffix();
            int linked = ::linkat(AT_FDCWD, self.c_str(), folder_.get(), name.c_str(), AT_SYMLINK_FOLLOW);
            if (linked != 0 && errno == ENOENT) linked = ::linkat(fd, "", folder_.get(), name.c_str(), AT_EMPTY_PATH);
            if (linked == 0) {
                temporary_name_ = name;
                return 0;
            }
            if (errno != EEXIST) return errno;
        }
        return EEXIST;
    }

    // Content, owner, attributes and mode of the file it replaces, then flushed. 0 or an errno.
    int FillTemporary(int fd, std::string_view bytes, const struct stat* existing) {
        if (const int error = WriteAll(fd, bytes)) return error;
        if (existing != nullptr) {
            if (existing->st_uid != ::geteuid() || existing->st_gid != ::getegid()) {
                // Keep the owner when we may (as root); otherwise the file becomes ours, as any new copy would.
                [[maybe_unused]] const int ignored = ::fchown(fd, existing->st_uid, existing->st_gid);
            }
            const FileDescriptor old(
                ::openat(folder_.get(), name_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
            if (old.valid()) CopyExtendedAttributes(old.get(), fd);
            if (::fchmod(fd, existing->st_mode & 07777) != 0) return errno;
        }
        if (CurrentWriteSyscalls().fsync(fd) != 0) return errno;
        return 0;
    }

    void Discard(FileDescriptor& temporary) {
        ::close(temporary.release());
        if (!temporary_name_.empty()) ::unlinkat(folder_.get(), temporary_name_.c_str(), 0);
    }

    // Temporary files of this target left by a writer that died: regular files of ours, of our name
    // pattern, that no live writer holds locked.
    void RemoveLeftovers() {
        const std::string prefix = TemporaryPrefix();
        const int listing = ::openat(folder_.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (listing < 0) return;
        DIR* dir = ::fdopendir(listing);
        if (dir == nullptr) {
            ::close(listing);
            return;
        }
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name.size() != prefix.size() + kRandomLength || name.substr(0, prefix.size()) != prefix) continue;
            const FileDescriptor fd(
                ::openat(folder_.get(), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
            struct stat info {};
            if (!fd.valid() || ::fstat(fd.get(), &info) != 0) continue;
            if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) continue;
            if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;  // a writer is at work on it
            ::unlinkat(folder_.get(), entry->d_name, 0);
        }
        ::closedir(dir);
    }

    // Overwrites the file itself, keeping its inode, names, owner and attributes: the new line goes in
    // first and the rest is cut after it, so the first line is whole at every moment of a good write.
    void UpdateInPlace(std::string_view bytes) {
        const FileDescriptor fd(::openat(folder_.get(), name_.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!fd.valid()) throw Fail(errno);
        struct stat info {};
        if (::fstat(fd.get(), &info) != 0) throw Fail(errno);
        if (!S_ISREG(info.st_mode)) throw IoErrorWithReason(IoAction::kWriteFile, shown_, kNotARegularFile);
        ::flock(fd.get(), LOCK_EX);  // another writer updating in place waits for us
        if (::lseek(fd.get(), 0, SEEK_SET) != 0) throw Fail(errno);
        if (const int error = WriteAll(fd.get(), bytes)) throw Fail(error);
        if (::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0) throw Fail(errno);
        if (CurrentWriteSyscalls().fsync(fd.get()) != 0) throw Fail(errno);
    }

    const std::filesystem::path& shown_;
    std::string name_;
    FileDescriptor folder_;
    std::string temporary_name_;
    bool unnamed_works_ = true;
};

}  // namespace

void AtomicWriteFile(const std::filesystem::path& path, std::string_view bytes) {
    const std::string target = ResolveLinks(path.native(), path);
    TargetWrite(path, target).Run(bytes);
}

}  // namespace sorvane
