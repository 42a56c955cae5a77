#include "fileio/syscalls.h"

#include <unistd.h>

#include <cstdio>

namespace sorvane {
namespace {

constexpr WriteSyscalls kRealCalls{&::write, &::fsync, &::rename};

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
