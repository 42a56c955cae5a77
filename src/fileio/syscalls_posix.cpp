// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/syscalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace sorvane {
namespace {

constexpr WriteSyscalls kRealCalls{&::write, &::fsync, &::renameat};

}  // namespace

WriteSyscalls& CurrentWriteSyscalls() {
    static WriteSyscalls calls = kRealCalls;
    return calls;
}

ScopedWriteSyscalls::ScopedWriteSyscalls(const WriteSyscalls& replacement) : saved_(CurrentWriteSyscalls()) {
    CurrentWriteSyscalls() = replacement;
}

ScopedWriteSyscalls::~ScopedWriteSyscalls() { CurrentWriteSyscalls() = saved_; }

}  // namespace sorvane
