// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/folder_listing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fileio/io_error.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;
using test_support::WriteBytes;

std::vector<std::u16string> Shown(const std::vector<FolderEntry>& entries) {
    std::vector<std::u16string> shown;
    for (const FolderEntry& entry : entries) shown.push_back(entry.shown);
    return shown;
}

TEST(FolderListing, MasksWithoutRegardToCase) {
    const struct {
        std::u16string name, mask;
        bool matches;
    } cases[] = {
        {u"a.key", u"*.key", true},
        {u"A.KEY", u"*.key", true},
        {u"a.key.txt", u"*.key", false},
        {u"a.keys", u"*.key", false},
        {u"noext", u"*.*", true},
        {u"a.txt", u"*.*", true},
        {u"a.txt", u"*.txt", true},
        {u"ab.key", u"?.key", false},
        {u"b.key", u"?.key", true},
        {u".key", u"*.key", true},
        {u"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", u"*a*a*a*a*a*a*c", false},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches);
}

TEST(FolderListing, FilesAreSortedAndExcludeFoldersAndHiddenFiles) {
    TempDir dir;
    for (const char* name : {"b.key", "A.key", "c.txt", ".hidden.key", "noext", "Я.key", "а.key"})
        WriteBytes(dir / name, "x");
    fs::create_directory(dir / "folder.key");
    fs::create_directory(dir / ".hidden-folder");
    fs::create_symlink("b.key", dir / "link.key");
    fs::create_directory_symlink(dir / "folder.key", dir / "dirlink.key");
    EXPECT_EQ(Shown(ListFiles(dir.U16(), u"*.key")),
              (std::vector<std::u16string>{u"A.key", u"b.key", u"link.key", u"а.key", u"Я.key"}));
    EXPECT_EQ(ListFiles(dir.U16(), u"*.*").size(), 7u);
    EXPECT_EQ(Shown(ListSubfolders(dir.U16())), (std::vector<std::u16string>{u"dirlink.key", u"folder.key"}));
    EXPECT_THROW(ListFiles(dir.U16("missing"), u"*.*"), IoError);
}

// Names carried over from old Windows archives are Windows-1251 bytes, invalid as UTF-8.
TEST(FolderListing, NamesThatAreNotUtf8StayDistinctFromTheirLookAlikes) {
    TempDir dir;
    const std::string cp1251 = "\xEA\xEB\xFE\xF7.key";  // "ключ.key" in Windows-1251
    const std::string replacement = "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD.key";  // "����.key"
    const std::string cyrillic = "\xD0\xBA\xD0\xBB\xD1\x8E\xD1\x87.key";                     // "ключ.key" in UTF-8
    const std::string lone_byte = "\xFF.key";
    for (const std::string& name : {cp1251, replacement, cyrillic, lone_byte}) WriteBytes(dir / name, name);
    fs::create_directory(dir / "\xCF\xE0\xEF\xEA\xE0");  // "Папка"

    const std::vector<FolderEntry> files = ListFiles(dir.path(), u"*.key");
    ASSERT_EQ(files.size(), 4u);
    std::vector<std::string> names;
    for (const FolderEntry& entry : files) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected{cp1251, replacement, cyrillic, lone_byte};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
    for (const FolderEntry& entry : files) {
        EXPECT_EQ(test_support::ReadBytes(dir.path() / entry.name), entry.name);  // each reaches its own file
        if (entry.name == cp1251) {
            EXPECT_EQ(entry.shown, u"ключ.key");  // shown as the archive meant it
        }
        if (entry.name == lone_byte) {
            EXPECT_EQ(entry.shown, u"я.key");
        }
    }
    const std::vector<FolderEntry> folders = ListSubfolders(dir.path());
    ASSERT_EQ(folders.size(), 1u);
    EXPECT_EQ(folders[0].shown, u"Папка");
    EXPECT_EQ(folders[0].name, "\xCF\xE0\xEF\xEA\xE0");
}

}  // namespace
}  // namespace sorvane
