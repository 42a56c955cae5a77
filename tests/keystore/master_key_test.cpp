// SPDX-License-Identifier: GPL-3.0-or-later
#include "keystore/master_key.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "cipher/builtin_chain.h"
#include "fileio/io_error.h"
#include "keystore/key_file.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

using test_support::TempDir;

TEST(ResolveMasterKey, ModesInTheirOrder) {
    TempDir dir;
    WriteKeyLine(dir.U16("master.key"), Passway(u"Секрет 42"));
    const struct {
        const char* what;
        std::u16string field;
        MasterKeyMode mode;
        std::u16string key;
    } cases[] = {
        {"empty", u"", MasterKeyMode::kNone, u""},
        {"blanks are a typed key", u"   ", MasterKeyMode::kTyped, u"   "},
        {"typed", u"пароль", MasterKeyMode::kTyped, u"пароль"},
        {"a folder is a typed key", dir.U16(), MasterKeyMode::kTyped, dir.U16()},
        {"a missing file is a typed key", dir.U16("nope.key"), MasterKeyMode::kTyped, dir.U16("nope.key")},
        {"an existing file", dir.U16("master.key"), MasterKeyMode::kFile, u"Секрет 42"},
    };
    for (const auto& c : cases) {
        const ResolvedMasterKey resolved = ResolveMasterKey(c.field);
        EXPECT_EQ(resolved.mode, c.mode) << c.what;
        EXPECT_EQ(resolved.key, c.key) << c.what;
        EXPECT_EQ(resolved.hint.has_value(), c.mode == MasterKeyMode::kFile) << c.what;
    }
    EXPECT_EQ(ResolveMasterKey(dir.U16("master.key")).hint, u"Секрет 42");
}

TEST(ResolveMasterKey, RelativeNamesFollowTheWorkingDirectoryAndLinks) {
    TempDir dir;
    WriteKeyLine(dir.U16("master.key"), Passway(u"rel"));
    std::filesystem::create_symlink("master.key", dir / "link.key");
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(ResolveMasterKey(u"master.key").key, u"rel");
    EXPECT_EQ(ResolveMasterKey(u"link.key").mode, MasterKeyMode::kFile);
    std::filesystem::current_path(saved);
    EXPECT_EQ(ResolveMasterKey(u"master.key").mode, MasterKeyMode::kTyped);
}

TEST(ResolveMasterKey, AFileThatDecodesToNothingIsItsOwnOutcome) {
    TempDir dir;
    WriteKeyLine(dir.U16("empty.key"), Passway(u""));
    const ResolvedMasterKey resolved = ResolveMasterKey(dir.U16("empty.key"));
    EXPECT_EQ(resolved.mode, MasterKeyMode::kEmptyFromFile);
    EXPECT_EQ(resolved.hint, u"");
}

TEST(ResolveMasterKey, AnUnreadableFileThrows) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads everything";
    TempDir dir;
    WriteKeyLine(dir.U16("locked.key"), Passway(u"x"));
    std::filesystem::permissions(dir / "locked.key", std::filesystem::perms::none);
    EXPECT_THROW(ResolveMasterKey(dir.U16("locked.key")), IoError);
}

}  // namespace
}  // namespace sorvane
