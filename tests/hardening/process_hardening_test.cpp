// SPDX-License-Identifier: GPL-3.0-or-later
// The process hardening, each case in a child process so that the test runner stays as it was.
#include "hardening/process_hardening.h"

#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "support/temp_dir.h"

namespace sorvane {
namespace {

// Runs the body in a forked child and gives the child's wait status.
int StatusOfChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(body());
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

TEST(ProcessHardening, leavesTheProcessNotDumpableAndWithoutCoreFiles) {
    const int status = StatusOfChild([] {
        HardenProcess();
        rlimit core{};
        ::getrlimit(RLIMIT_CORE, &core);
        return ::prctl(PR_GET_DUMPABLE, 0, 0, 0, 0) == 0 && core.rlim_cur == 0 && core.rlim_max == 0 ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(ProcessHardening, aCrashLeavesNoCoreInTheWorkingFolder) {
    const test_support::TempDir folder;
    const int status = StatusOfChild([&] {
        if (::chdir(folder.path().c_str()) != 0) return 1;
        // As after "ulimit -c unlimited": without the hardening, this machine's kernel writes "core" here.
        rlimit core{};
        ::getrlimit(RLIMIT_CORE, &core);
        core.rlim_cur = core.rlim_max;
        ::setrlimit(RLIMIT_CORE, &core);
        HardenProcess();
        std::abort();
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGABRT);
    EXPECT_FALSE(WCOREDUMP(status));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
}  // namespace sorvane
