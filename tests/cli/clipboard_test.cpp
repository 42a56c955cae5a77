// SPDX-License-Identifier: GPL-3.0-or-later
// sorvane-cli copy: the key on the clipboard, marked secret, served until taken or cleared.
// Under Xvfb (CTest runs this with xvfb-run when it and xclip exist) the clipboard is read back with
// xclip; otherwise on Qt's offscreen platform only what copy itself reports is checked.
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "cli/cli_runner.h"

namespace sorvane::test_support {
namespace {

// Runs xclip on the clipboard selection; its output, or nullopt when it fails.
std::optional<std::string> Xclip(const std::string& arguments, const std::string& input = "") {
    const std::string command = std::string("xclip -selection clipboard ") + arguments + " 2>/dev/null";
    if (!input.empty()) {
        FILE* pipe = ::popen(command.c_str(), "w");
        std::fwrite(input.data(), 1, input.size(), pipe);
        return ::pclose(pipe) == 0 ? std::optional<std::string>("") : std::nullopt;
    }
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    char block[4096];
    while (const std::size_t got = std::fread(block, 1, sizeof block, pipe)) output.append(block, got);
    return ::pclose(pipe) == 0 ? std::optional<std::string>(output) : std::nullopt;
}

class ClipboardTest : public CliTest {
protected:
    void SetUp() override {
        WriteBytes(dir_ / "a.key", "\xca\xeb\xfe\xf7 1\r\n");  // "Ключ 1" in Windows-1251
    }
    static bool OnX11() { return std::getenv("SORVANE_TEST_XCLIP") != nullptr; }
};

TEST_F(ClipboardTest, copy_putsTheKeyMarkedSecretAndReturns) {
    const auto start = std::chrono::steady_clock::now();
    const CliResult result = Run({"copy", "a.key", "--clear", "30"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(RunningServers().size(), 1u);
    if (!OnX11()) GTEST_SKIP() << "no X server: the clipboard cannot be read back";
    EXPECT_EQ(Xclip("-o"), "Ключ 1");
    EXPECT_EQ(Xclip("-o -t x-kde-passwordManagerHint"), "secret");
    EXPECT_NE(Xclip("-o -t TARGETS").value_or("").find("UTF8_STRING"), std::string::npos);
}

// The old text targets carry Latin-1: a key beyond it is offered only as UTF-8.
TEST_F(ClipboardTest, copy_offersStringTargetsOnlyForLatin1Keys) {
    if (!OnX11()) GTEST_SKIP() << "no X server: the clipboard cannot be read back";
    WriteBytes(dir_ / "latin.key", "Key \xa7 1\r\n");  // "§" in Windows-1251 as in Latin-1
    const struct {
        const char* file;
        std::string utf8;
        std::optional<std::string> latin1;
    } cases[] = {{"a.key", "Ключ 1", std::nullopt}, {"latin.key", "Key § 1", "Key \xa7 1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_EQ(Run({"copy", c.file, "--clear", "30"}).exit_code, 0);
        const std::string targets = Xclip("-o -t TARGETS").value_or("");
        EXPECT_NE(targets.find("x-kde-passwordManagerHint"), std::string::npos) << targets;
        EXPECT_NE(targets.find("UTF8_STRING"), std::string::npos) << targets;
        EXPECT_EQ(targets.find("\nSTRING\n") != std::string::npos, c.latin1.has_value()) << targets;
        EXPECT_EQ(Xclip("-o -t UTF8_STRING"), c.utf8);
        EXPECT_EQ(Xclip("-o -t STRING"), c.latin1);
    }
}

TEST_F(ClipboardTest, anotherProgramTakesTheClipboard_theServerEndsAndLeavesItsText) {
    if (!OnX11()) GTEST_SKIP() << "needs another program on a shared clipboard";
    ASSERT_EQ(Run({"copy", "a.key", "--clear", "1"}).exit_code, 0);
    ASSERT_TRUE(Xclip("-i", "other text"));
    EXPECT_TRUE(ServersEnd(5000));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));  // past --clear: nothing is cleared
    EXPECT_EQ(Xclip("-o"), "other text");
}

TEST_F(ClipboardTest, clearAfterSeconds_emptiesTheClipboardAndEnds) {
    ASSERT_EQ(Run({"copy", "a.key", "--clear", "1"}).exit_code, 0);
    EXPECT_TRUE(ServersEnd(6000));
    if (!OnX11()) return;
    EXPECT_NE(Xclip("-o"), std::optional<std::string>("Ключ 1"));
}

TEST_F(ClipboardTest, withoutADisplay_aClearError) {
    const CliResult result =
        Run(CliRun{{"copy", "a.key"},
                   "",
                   {{"DISPLAY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}, {"QT_QPA_PLATFORM", std::nullopt}},
                   {}});
    EXPECT_EQ(result.exit_code, 4);
    EXPECT_EQ(result.err, "sorvane-cli: Нет дисплея: буфер обмена недоступен (не заданы DISPLAY и WAYLAND_DISPLAY)\n");
    EXPECT_TRUE(RunningServers().empty());
}

TEST_F(ClipboardTest, displayThatCannotBeReached_aClearError) {
    const CliResult result =
        Run(CliRun{{"copy", "a.key"},
                   "",
                   {{"DISPLAY", ":32767"}, {"WAYLAND_DISPLAY", std::nullopt}, {"QT_QPA_PLATFORM", "xcb"}},
                   {}});
    EXPECT_EQ(result.exit_code, 4);
    EXPECT_NE(result.err.find("sorvane-cli: Не удалось подключиться к дисплею"), std::string::npos) << result.err;
    EXPECT_TRUE(ServersEnd(2000));
}

TEST_F(ClipboardTest, failuresBeforeTheClipboard_startNoServer) {
    for (const char* server : {"sorvane-cli-clipboard", "sorvane-cli-x11-clipboard"})
        std::filesystem::remove(dir_ / "bin" / server);
    const CliResult missing_key = Run({"copy", "missing.key"});
    EXPECT_EQ(missing_key.exit_code, 3);
    const CliResult no_server = Run({"copy", "a.key"});
    EXPECT_EQ(no_server.exit_code, 4);
    EXPECT_NE(no_server.err.find("Не найдена программа буфера обмена"), std::string::npos) << no_server.err;
}

}  // namespace
}  // namespace sorvane::test_support
