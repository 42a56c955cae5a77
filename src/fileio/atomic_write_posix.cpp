#include "fileio/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "fileio/io_error.h"
#include "fileio/syscalls.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

constexpr int kMaxLinkDepth = 40;
constexpr std::size_t kMaxDerivedNameLength = 200;

std::string::size_type NameStart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

// Follows symbolic links to the file that is really written; a missing file is its own target.
std::string ResolveLinks(std::string path, std::u16string_view shown) {
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) throw IoErrorFromErrno("Cannot write file", shown, errno);
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : path.substr(0, NameStart(path)) + target;
    }
    throw IoErrorFromErrno("Cannot write file", shown, ELOOP);
}

std::string TemporaryNativePath(const std::string& target) {
    const auto start = NameStart(target);
    const std::string name = target.substr(start);
    if (name.size() <= kMaxDerivedNameLength) return target.substr(0, start) + "." + name + ".sorvane-tmp";
    // Too long to extend: a name from the FNV-1a hash of the original.
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : name) hash = (hash ^ c) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return target.substr(0, start) + ".sorvane-" + hex + ".tmp";
}

void SyncFolderOf(const std::string& path) {
    const auto start = NameStart(path);
    const std::string folder = start == 0 ? "." : path.substr(0, start);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the rename is done; a folder we cannot open is only not flushed
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::u16string TemporaryPathFor(std::u16string_view target) {
    return Utf8ToUtf16(TemporaryNativePath(Utf16ToUtf8(target)));
}

void AtomicWriteFile(std::u16string_view path, std::string_view bytes) {
    const WriteSyscalls& calls = CurrentWriteSyscalls();
    const std::string target = ResolveLinks(Utf16ToUtf8(path), path);

    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) throw IoErrorFromErrno("Cannot write file", path, EISDIR);
        // The rename would replace a file that its owner made read-only: refuse as a plain write would.
        if (::access(target.c_str(), W_OK) != 0) throw IoErrorFromErrno("Cannot write file", path, errno);
        mode = existing.st_mode & 07777;
    }

    const std::string temporary = TemporaryNativePath(target);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) throw IoErrorFromErrno("Cannot write file", path, errno);
    const auto fail = [&](int error_number) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return IoErrorFromErrno("Cannot write file", path, error_number);
    };

    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t done = calls.write(fd, bytes.data() + written, bytes.size() - written);
        if (done < 0) {
            if (errno == EINTR) continue;
            throw fail(errno);
        }
        if (done == 0) throw fail(ENOSPC);
        written += static_cast<std::size_t>(done);
    }
    if (::fchmod(fd, mode) != 0) throw fail(errno);
    if (exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
        // Keep the owner when we may (as root); otherwise the file becomes ours, as any new copy would.
        [[maybe_unused]] const int ignored = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    if (calls.fsync(fd) != 0) throw fail(errno);
    if (::close(fd) != 0) {
        const int error_number = errno;
        ::unlink(temporary.c_str());
        throw IoErrorFromErrno("Cannot write file", path, error_number);
    }
    if (calls.rename(temporary.c_str(), target.c_str()) != 0) {
        const int error_number = errno;
        ::unlink(temporary.c_str());
        throw IoErrorFromErrno("Cannot write file", path, error_number);
    }
    SyncFolderOf(target);
}

}  // namespace sorvane
