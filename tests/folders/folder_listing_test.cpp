#include "folders/folder_listing.h"

#include <gtest/gtest.h>

#include "fileio/io_error.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::WriteBytes;

TEST(FolderListing, MasksWithoutRegardToCase) {
    const struct {
        std::u16string name, mask;
        bool matches;
    } cases[] = {
        {u"a.key", u"*.key", true},   {u"A.KEY", u"*.key", true},    {u"a.key.txt", u"*.key", false},
        {u"a.keys", u"*.key", false}, {u"noext", u"*.*", true},      {u"a.txt", u"*.*", true},
        {u"a.txt", u"*.txt", true},   {u"ab.key", u"?.key", false},  {u"b.key", u"?.key", true},
        {u".key", u"*.key", true},    {u"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", u"*a*a*a*a*a*a*c", false},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches);
}

TEST(FolderListing, FilesAreSortedAndExcludeFoldersAndHiddenFiles) {
    TempDir dir;
    for (const char* name : {"b.key", "A.key", "c.txt", ".hidden.key", "noext", "Я.key", "а.key"}) WriteBytes(dir / name, "x");
    fs::create_directory(dir / "folder.key");
    fs::create_directory(dir / ".hidden-folder");
    fs::create_symlink("b.key", dir / "link.key");
    fs::create_directory_symlink(dir / "folder.key", dir / "dirlink.key");
    EXPECT_EQ(ListFiles(dir.U16(), u"*.key"), (std::vector<std::u16string>{u"A.key", u"b.key", u"link.key", u"а.key", u"Я.key"}));
    EXPECT_EQ(ListFiles(dir.U16(), u"*.*").size(), 7u);
    EXPECT_EQ(ListSubfolders(dir.U16()), (std::vector<std::u16string>{u"dirlink.key", u"folder.key"}));
    EXPECT_THROW(ListFiles(dir.U16("missing"), u"*.*"), IoError);
}

}  // namespace
}  // namespace sorvane
