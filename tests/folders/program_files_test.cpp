// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fileio/io_error.h"
#include "folders/settings_location.h"
#include "folders/shipped_files.h"
#include "support/temp_dir.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;
using test_support::WriteBytes;

// A program in "<tree>/bin/" and its installed data folder, each holding the files a case names.
struct Layout {
    const char* name;
    std::vector<const char*> beside;     // files beside the program
    std::vector<const char*> installed;  // files in the installed data folder
    bool config_home;
    bool fonts_installed;  // where pass.ttf is found
    bool settings_in_config;
};

const Layout kLayouts[] = {
    {"build folder", {"pass.ttf"}, {}, true, false, false},
    {"installed", {}, {"pass.ttf", "tahoma.ttf"}, true, true, true},
    {"installed, portable ini beside", {"sorvane.ini"}, {"pass.ttf"}, true, true, false},
    {"fonts beside and installed", {"pass.ttf"}, {"pass.ttf"}, true, false, false},
    {"no fonts anywhere", {}, {}, true, false, false},
    {"installed without a home", {}, {"pass.ttf"}, false, true, false},
};

TEST(ProgramFiles, FontsAndSettingsFollowTheLayout) {
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        TempDir tree;
        fs::create_directories(tree / "bin");
        const std::u16string program = tree.U16("bin") + u"/";
        const std::u16string data = InstalledDataDirectory(program);
        fs::create_directories(Utf16ToUtf8(data));
        for (const char* file : layout.beside) WriteBytes(tree / "bin" / file, "x");
        for (const char* file : layout.installed) WriteBytes(fs::path(Utf16ToUtf8(data)) / file, "x");
        const std::u16string config = tree.U16("home/.config");

        EXPECT_EQ(ShippedFilePath(program, u"pass.ttf"), (layout.fonts_installed ? data : program) + u"pass.ttf");
        EXPECT_EQ(RunsInstalled(program), layout.fonts_installed);
        const auto home = layout.config_home ? std::optional(config) : std::nullopt;
        EXPECT_EQ(SettingsFilePath(program, home),
                  layout.settings_in_config ? config + u"/sorvane/sorvane.ini" : program + u"sorvane.ini");
    }
}

TEST(ProgramFiles, EachFontIsLookedForOnItsOwn) {
    TempDir tree;
    fs::create_directories(tree / "bin");
    const std::u16string program = tree.U16("bin") + u"/";
    const std::u16string data = InstalledDataDirectory(program);
    fs::create_directories(Utf16ToUtf8(data));
    WriteBytes(tree / "bin" / "pass.ttf", "x");
    WriteBytes(fs::path(Utf16ToUtf8(data)) / "tahoma.ttf", "x");
    EXPECT_EQ(ShippedFilePath(program, u"pass.ttf"), program + u"pass.ttf");
    EXPECT_EQ(ShippedFilePath(program, u"tahoma.ttf"), data + u"tahoma.ttf");
}

TEST(ProgramFiles, InstalledDataFolderIsResolvedAndBelowTheProgramsPrefix) {
    const std::u16string data = InstalledDataDirectory(u"/usr/bin/");
    EXPECT_EQ(data.find(u".."), std::u16string::npos);
    EXPECT_EQ(data.substr(0, 5), u"/usr/");
    EXPECT_EQ(data.substr(data.size() - 9), u"/sorvane/");
}

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST(ProgramFiles, SettingsFolderIsCreatedOwnerOnly) {
    TempDir dir;
    CreateSettingsFolder(dir.U16("home/.config/sorvane/sorvane.ini"), dir.U16("usr/bin/"));
    EXPECT_EQ(ModeOf(dir / "home/.config"), 0700u);
    EXPECT_EQ(ModeOf(dir / "home/.config/sorvane"), 0700u);
    EXPECT_FALSE(fs::exists(dir / "home/.config/sorvane/sorvane.ini"));
}

TEST(ProgramFiles, ExistingFoldersKeepTheirPermissions) {
    TempDir dir;
    fs::create_directories(dir / "config");
    ::chmod((dir / "config").c_str(), 0755);
    CreateSettingsFolder(dir.U16("config/sorvane/sorvane.ini"), dir.U16("usr/bin/"));
    EXPECT_EQ(ModeOf(dir / "config"), 0755u);
    EXPECT_EQ(ModeOf(dir / "config/sorvane"), 0700u);
}

TEST(ProgramFiles, ProgramFolderThatHasGoneIsNotMadeAgain) {
    TempDir dir;
    const std::u16string program = dir.U16("gone") + u"/";
    CreateSettingsFolder(program + u"sorvane.ini", program);
    EXPECT_FALSE(fs::exists(dir / "gone"));
}

TEST(ProgramFiles, FileInTheWayOfTheSettingsFolderIsReported) {
    TempDir dir;
    WriteBytes(dir / "sorvane", "not a folder");
    try {
        CreateSettingsFolder(dir.U16("sorvane/sorvane.ini"), dir.U16("usr/bin/"));
        FAIL() << "no error";
    } catch (const IoError& error) {
        EXPECT_EQ(error.path(), dir.U16("sorvane"));
        EXPECT_NE(std::string(error.what()).find((dir / "sorvane").string()), std::string::npos);
    }
}

// Sets or removes an environment variable for one test and puts it back afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ProgramFiles, ConfigHomeFollowsXdgRules) {
    struct Case {
        const char* xdg;
        const char* home;
        const char16_t* expected;
    };
    const Case cases[] = {
        {"/x/config", "/h", u"/x/config"},
        {"relative/config", "/h", u"/h/.config"},  // a relative value is invalid
        {"", "/h/", u"/h/.config"},
        {nullptr, "/h", u"/h/.config"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xdg ? c.xdg : "(unset)");
        const ScopedVariable xdg("XDG_CONFIG_HOME", c.xdg);
        const ScopedVariable home("HOME", c.home);
        EXPECT_EQ(UserConfigHome(), std::u16string(c.expected));
    }
}

}  // namespace
}  // namespace sorvane
