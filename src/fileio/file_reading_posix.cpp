// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "fileio/file_descriptor.h"
#include "fileio/io_error.h"

namespace sorvane {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

void ReadFileInBlocks(const std::filesystem::path& path,
                      const std::function<bool(std::string_view block, std::uint64_t file_size)>& consume) {
    // O_NONBLOCK: a FIFO named by mistake must not hang the window; it is refused below.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) throw IoErrorFromErrno(IoAction::kOpenFile, path, errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) throw IoErrorFromErrno(IoAction::kReadFile, path, errno);
    if (S_ISDIR(info.st_mode)) throw IoErrorFromErrno(IoAction::kReadFile, path, EISDIR);
    if (!S_ISREG(info.st_mode)) throw IoErrorWithReason(IoAction::kReadFile, path, kNotARegularFile);

    std::vector<char> buffer(kBlockSize);
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            throw IoErrorFromErrno(IoAction::kReadFile, path, errno);
        }
        if (got == 0) return;
        if (!consume(std::string_view(buffer.data(), static_cast<std::size_t>(got)),
                     static_cast<std::uint64_t>(info.st_size)))
            return;
    }
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::string content;
    ReadFileInBlocks(path, [&](std::string_view block, std::uint64_t size) {
        if (content.empty()) content.reserve(size);
        content.append(block);
        return true;
    });
    return content;
}

}  // namespace sorvane
