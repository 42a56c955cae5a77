// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/file_operations.h"

#include <gtest/gtest.h>

#include "fileio/io_error.h"
#include "folders/working_directory.h"
#include "support/temp_dir.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;
using test_support::ReadBytes;
using test_support::TempDir;
using test_support::WriteBytes;

TEST(FileOperations, ExistenceFollowsLinksAndIsFalseForFolders) {
    TempDir dir;
    WriteBytes(dir / "f.key", "x");
    fs::create_directory(dir / "sub");
    fs::create_symlink("f.key", dir / "link");
    fs::create_symlink("gone", dir / "dangling");
    EXPECT_TRUE(FileExists(dir.U16("f.key")));
    EXPECT_TRUE(FileExists(dir.U16("link")));
    EXPECT_FALSE(FileExists(dir.U16("dangling")));
    EXPECT_FALSE(FileExists(dir.U16("sub")));
    EXPECT_FALSE(FileExists(u""));
    EXPECT_TRUE(FolderExists(dir.U16("sub")));
}

TEST(FileOperations, MoveNeverReplaces) {
    TempDir dir;
    WriteBytes(dir / "a.key", "A");
    WriteBytes(dir / "b.key", "B");
    EXPECT_EQ(MoveFileNoReplace(dir.U16("a.key"), dir.U16("b.key")), std::errc::file_exists);
    EXPECT_EQ(ReadBytes(dir / "a.key"), "A");
    EXPECT_EQ(ReadBytes(dir / "b.key"), "B");
    EXPECT_FALSE(MoveFileNoReplace(dir.U16("a.key"), dir.U16("c")));
    EXPECT_EQ(ReadBytes(dir / "c"), "A");
    EXPECT_FALSE(fs::exists(dir / "a.key"));
    EXPECT_TRUE(MoveFileNoReplace(u"", dir.U16("d")));
}

TEST(FileOperations, RenameDirNeverReplacesAFolderEvenAnEmptyOne) {
    TempDir dir;
    fs::create_directories(dir / "from" / "inner");
    fs::create_directory(dir / "empty");
    EXPECT_EQ(RenameDir(dir.U16("from"), dir.U16("empty")), std::errc::file_exists);
    EXPECT_TRUE(fs::exists(dir / "from" / "inner"));
    EXPECT_TRUE(fs::is_empty(dir / "empty"));
    EXPECT_FALSE(RenameDir(dir.U16("from"), dir.U16("to")));
    EXPECT_TRUE(fs::exists(dir / "to" / "inner"));
    EXPECT_EQ(RenameDir(dir.U16("nowhere"), dir.U16("x")), std::errc::no_such_file_or_directory);
}

TEST(FileOperations, RemoveAllDeletesDepthFirstAndNeverFollowsLinks) {
    TempDir dir;
    fs::create_directories(dir / "outside");
    WriteBytes(dir / "outside" / "precious.key", "keep");
    fs::create_directories(dir / "victim" / "a" / "b" / "c");
    WriteBytes(dir / "victim" / "top.key", "1");
    WriteBytes(dir / "victim" / ".hidden", "1");
    WriteBytes(dir / "victim" / "a" / "b" / "c" / "deep.key", "1");
    fs::create_directory_symlink(dir / "outside", dir / "victim" / "a" / "link-to-outside");
    fs::create_symlink(dir / "outside" / "precious.key", dir / "victim" / "file-link");
    RemoveAll(dir.U16("victim"));
    EXPECT_FALSE(fs::exists(dir / "victim"));
    EXPECT_EQ(ReadBytes(dir / "outside" / "precious.key"), "keep");
}

TEST(FileOperations, CreateAndDeleteReportTheirOutcome) {
    TempDir dir;
    EXPECT_FALSE(CreateFolder(dir.U16("new")));
    EXPECT_EQ(CreateFolder(dir.U16("new")), std::errc::file_exists);
    EXPECT_TRUE(CreateFolder(dir.U16("missing/new")));
    WriteBytes(dir / "f", "x");
    EXPECT_FALSE(DeleteFile(dir.U16("f")));
    EXPECT_TRUE(DeleteFile(dir.U16("f")));
}

TEST(WorkingDirectory, EnterFolderMovesTheProcessAndRefusesWhatCannotBeEntered) {
    TempDir dir;
    fs::create_directory(dir / "sub");
    const auto saved = fs::current_path();
    const fs::path entered = EnterFolder(dir.U16("sub") + u"/");
    EXPECT_EQ(entered, fs::canonical(dir / "sub"));
    EXPECT_EQ(CurrentWorkingDirectory(), entered);
    EXPECT_EQ(EnterFolder(u".."), fs::canonical(dir.path()));
    EXPECT_THROW(EnterFolder(dir.U16("missing")), IoError);
    fs::current_path(saved);
}

TEST(WorkingDirectory, AFolderEnteredThroughALinkKeepsThePathAsTyped) {
    TempDir dir;
    const fs::path real = fs::canonical(dir.path());
    fs::create_directories(real / "target/sub");
    fs::create_directory_symlink(real / "target", real / "link");
    const auto saved = fs::current_path();
    const std::u16string link = Utf8ToUtf16((real / "link").string());
    struct Case {
        std::u16string typed, entered;
    };
    for (const Case& test : std::initializer_list<Case>{
             {link, link},
             {link + u"/", link},
             {link + u"//sub/./", link + u"/sub"},
             {link + u"/sub/..", link},
             // Relative to the working folder as the system reports it, which knows no link names.
             {u"sub", Utf8ToUtf16((real / "target/sub").string())},
             {u"/", u"/"},
             {u"/..", u"/"},
         }) {
        if (test.typed == u"sub") EnterFolder(link);
        EXPECT_EQ(EnterFolder(test.typed), test.entered) << Utf16ToUtf8(test.typed);
    }
    EnterFolder(link + u"/sub");
    EXPECT_TRUE(fs::equivalent(fs::current_path(), real / "target/sub"));
    fs::current_path(saved);
}

}  // namespace
}  // namespace sorvane
