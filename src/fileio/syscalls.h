// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace sorvane {

// The system calls through which files are written. Tests put failing ones in their place to show
// that a failed write keeps the old content (a full disk, an I/O error after some bytes).
struct WriteSyscalls {
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*renameat)(int from_folder, const char* from, int to_folder, const char* to);
};

WriteSyscalls& CurrentWriteSyscalls();

// Restores the real calls when it goes out of scope.
class ScopedWriteSyscalls {
public:
    explicit ScopedWriteSyscalls(const WriteSyscalls& replacement);
    ~ScopedWriteSyscalls();
    ScopedWriteSyscalls(const ScopedWriteSyscalls&) = delete;
    ScopedWriteSyscalls& operator=(const ScopedWriteSyscalls&) = delete;

private:
    WriteSyscalls saved_;
};

}  // namespace sorvane
