// SPDX-License-Identifier: GPL-3.0-or-later
// Where no session bus runs, the program keeps libdbus from launching one; a bus that runs is used.
#include "hardening/session_bus.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/bound_socket.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

TEST(SessionBus, IsReachableByItsAddressOrItsSocketInTheRuntimeFolder) {
    test_support::TempDir with_bus, with_file, empty;
    const test_support::BoundSocket socket(with_bus / "bus");
    ASSERT_TRUE(socket.bound());
    test_support::WriteBytes(with_file / "bus", "not a socket");
    const std::string bus_folder = with_bus.path(), file_folder = with_file.path(), empty_folder = empty.path();
    const struct {
        const char* what;
        const char* address;
        const char* runtime_folder;
        bool reachable;
    } cases[] = {
        {"an address", "unix:path=/run/user/1000/bus", nullptr, true},
        {"an address, whatever the folder holds", "autolaunch:", empty_folder.c_str(), true},
        {"the socket in the runtime folder", nullptr, bus_folder.c_str(), true},
        {"an empty address and the socket", "", bus_folder.c_str(), true},
        {"a plain file named bus", nullptr, file_folder.c_str(), false},
        {"a runtime folder without a bus", nullptr, empty_folder.c_str(), false},
        {"an empty runtime folder name", "", "", false},
        {"neither", nullptr, nullptr, false},
    };
    for (const auto& c : cases) EXPECT_EQ(SessionBusReachable(c.address, c.runtime_folder), c.reachable) << c.what;
}

// The environment as KeepSessionBusFromAutolaunching leaves it, in a child so that the test's own
// environment stays as it was.
std::string AddressAfterwards(const char* address, const char* runtime_folder) {
    int ends[2];
    if (::pipe(ends) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        address ? ::setenv("DBUS_SESSION_BUS_ADDRESS", address, 1) : ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        runtime_folder ? ::setenv("XDG_RUNTIME_DIR", runtime_folder, 1) : ::unsetenv("XDG_RUNTIME_DIR");
        KeepSessionBusFromAutolaunching();
        const char* after = ::getenv("DBUS_SESSION_BUS_ADDRESS");
        const std::string text = after ? after : "(unset)";
        ::_exit(::write(ends[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    ::close(ends[1]);
    std::string text;
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(ends[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(got));
    ::close(ends[0]);
    ::waitpid(child, nullptr, 0);
    return text;
}

TEST(SessionBus, AutolaunchIsTurnedOffOnlyWhereNoBusRuns) {
    test_support::TempDir with_bus, empty;
    const test_support::BoundSocket socket(with_bus / "bus");
    ASSERT_TRUE(socket.bound());
    EXPECT_EQ(AddressAfterwards(nullptr, nullptr), "disabled:");
    EXPECT_EQ(AddressAfterwards(nullptr, empty.path().c_str()), "disabled:");
    EXPECT_EQ(AddressAfterwards(nullptr, with_bus.path().c_str()), "(unset)");
    EXPECT_EQ(AddressAfterwards("unix:path=/run/user/1000/bus", nullptr), "unix:path=/run/user/1000/bus");
}

}  // namespace
}  // namespace sorvane
