// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/protected_folders.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <optional>

#include "support/temp_dir.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;

// Sets $HOME for the life of the object.
class ScopedHome {
public:
    explicit ScopedHome(const std::string& home) {
        if (const char* old = std::getenv("HOME")) saved_ = old;
        ::setenv("HOME", home.c_str(), 1);
    }
    ~ScopedHome() {
        if (saved_)
            ::setenv("HOME", saved_->c_str(), 1);
        else
            ::unsetenv("HOME");
    }

private:
    std::optional<std::string> saved_;
};

TEST(ProtectionOf, TheRootTheHomeFolderAndVolumeRootsByTextAndByIdentity) {
    TempDir dir;
    const fs::path real = fs::canonical(dir.path());
    fs::create_directories(real / "home/keys");
    fs::create_directories(real / "volume/keys");
    fs::create_directory_symlink(real, real / "again");
    fs::create_directory_symlink(real / "home", real / "link-to-home");
    const ScopedHome home((real / "home").string());
    const std::vector<std::u16string> mounts = {u"/", dir.U16("volume")};
    const auto of = [&](const fs::path& path) { return ProtectionOf(Utf8ToUtf16(path.string()), mounts); };

    EXPECT_EQ(ProtectionOf(u"/", {}), FolderProtection::kRoot);
    EXPECT_EQ(ProtectionOf(u"//", {}), FolderProtection::kRoot);
    EXPECT_EQ(of(real / "home"), FolderProtection::kHome);
    EXPECT_EQ(ProtectionOf(Utf8ToUtf16((real / "home").string()) + u"/", {}), FolderProtection::kHome);
    EXPECT_EQ(of(real / "again/home"), FolderProtection::kHome);  // another path to the same folder
    EXPECT_EQ(of(real / "volume"), FolderProtection::kMountPoint);
    EXPECT_EQ(of(real / "again/volume"), FolderProtection::kMountPoint);
    // What lies inside them, and a link that would only lose its own name, may go.
    EXPECT_EQ(of(real / "home/keys"), FolderProtection::kNone);
    EXPECT_EQ(of(real / "volume/keys"), FolderProtection::kNone);
    EXPECT_EQ(of(real / "link-to-home"), FolderProtection::kNone);
    EXPECT_EQ(of(real / "missing"), FolderProtection::kNone);
}

TEST(ProtectionOf, AHomeThatIsALinkIsKeptByName) {
    TempDir dir;
    const fs::path real = fs::canonical(dir.path());
    fs::create_directory(real / "data");
    fs::create_directory_symlink(real / "data", real / "home");
    const ScopedHome home((real / "home").string());
    EXPECT_EQ(ProtectionOf(Utf8ToUtf16((real / "home").string()), {}), FolderProtection::kHome);
    EXPECT_EQ(ProtectionOf(Utf8ToUtf16((real / "data").string()), {}), FolderProtection::kHome);
}

TEST(ProtectionOf, AFolderOnAnotherDeviceThanItsParentIsAVolumeRoot) {
    struct stat root {
    }, proc{};
    if (::stat("/", &root) != 0 || ::stat("/proc", &proc) != 0 || root.st_dev == proc.st_dev)
        GTEST_SKIP() << "no /proc of its own here";
    EXPECT_EQ(ProtectionOf(u"/proc", {}), FolderProtection::kMountPoint);
}

}  // namespace
}  // namespace sorvane
