// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/path_names.h"

#include <gtest/gtest.h>

#include "folders/program_directory.h"
#include "text/unicode.h"

#include <unistd.h>

namespace sorvane {
namespace {

constexpr auto kWin = PathStyle::kWindows;
constexpr auto kPosix = PathStyle::kPosix;

struct Case {
    std::u16string input;
    PathStyle style;
    std::u16string expected;
};

std::string Show(const Case& c) { return Utf16ToUtf8(c.input) + (c.style == kWin ? " (Windows)" : " (POSIX)"); }

TEST(PathNames, ExtractOnlyFileName) {
    const Case cases[] = {
        {u"C:\\keys\\mail.key", kWin, u"mail"},
        {u"C:\\keys\\noext", kWin, u"noext"},
        {u"C:\\keys\\.key", kWin, u""},
        {u"C:\\keys\\archive.tar.key", kWin, u"archive.tar"},
        {u"C:\\keys\\a.keyring.key", kWin, u"aring.key"},
        {u"C:\\keys\\MAIL.KEY", kWin, u"MAIL"},
        {u"C:mail.key", kWin, u"mail"},
        {u"C:\\dotted.dir\\plain", kWin, u"plain"},
        {u"/home/u/mail.key", kPosix, u"mail"},
        {u"/home/u.d/plain", kPosix, u"plain"},
        {u"/k/a.keyring.key", kPosix, u"aring.key"},
        {u"name.txt", kPosix, u"name"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExtractOnlyFileName(c.input, c.style), c.expected) << Show(c);
}

TEST(PathNames, UpDir) {
    const Case cases[] = {
        {u"C:\\data\\keys", kWin, u"C:\\data"},
        {u"C:\\data", kWin, u"C:\\"},
        {u"C:\\", kWin, u"C:\\"},
        {u"\\\\server\\share\\folder", kWin, u"\\\\server\\share"},
        {u"C:\\keys\\", kWin, u"C:\\keys"},
        {u"nothing", kWin, u""},
        {u"/data/keys", kPosix, u"/data"},
        {u"/data", kPosix, u"/"},
        {u"/", kPosix, u"/"},
        {u"/keys/", kPosix, u"/keys"},
        {u"nothing", kPosix, u""},
    };
    for (const auto& c : cases) EXPECT_EQ(UpDir(c.input, c.style), c.expected) << Show(c);
}

TEST(PathNames, ThisDir) {
    const Case cases[] = {
        {u"C:\\data\\keys", kWin, u"keys"},
        {u"C:\\", kWin, u"C:\\"},
        {u"C:\\a", kWin, u"a"},
        {u"C:\\keys\\", kWin, u""},
        {u"nothing", kWin, u""},
        {u"/data/keys", kPosix, u"keys"},
        {u"/", kPosix, u"/"},
        {u"/a", kPosix, u"a"},
        {u"/keys/", kPosix, u""},
        {u"nothing", kPosix, u""},
    };
    for (const auto& c : cases) EXPECT_EQ(ThisDir(c.input, c.style), c.expected) << Show(c);
}

TEST(PathNames, JoinAndRoots) {
    EXPECT_EQ(JoinPath(u"C:\\", u"Temp.key", kWin), u"C:\\\\Temp.key");
    EXPECT_EQ(JoinPath(u"/data", u"Temp.key", kPosix), u"/data/Temp.key");
    EXPECT_EQ(ChildPath(u"C:\\", u"a.key", kWin), u"C:\\a.key");
    EXPECT_EQ(ChildPath(u"C:\\keys", u"a.key", kWin), u"C:\\keys\\a.key");
    EXPECT_EQ(ChildPath(u"/", u"a.key", kPosix), u"/a.key");
    EXPECT_EQ(ChildPath(u"/keys", u"a.key", kPosix), u"/keys/a.key");
    EXPECT_TRUE(IsRootFolder(u"C:\\", kWin));
    EXPECT_FALSE(IsRootFolder(u"C:\\data", kWin));
    EXPECT_TRUE(IsRootFolder(u"/", kPosix));
    EXPECT_FALSE(IsRootFolder(u"/data", kPosix));
}

TEST(ProgramDirectory, IsTheExecutablesFolderWithASeparator) {
    char buffer[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", buffer, sizeof buffer - 1), 0);
    std::string exe = buffer;
    EXPECT_EQ(Utf16ToUtf8(ProgramDirectory()), exe.substr(0, exe.rfind('/') + 1));
}

}  // namespace
}  // namespace sorvane
