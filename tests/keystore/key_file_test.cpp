// SPDX-License-Identifier: GPL-3.0-or-later
#include "keystore/key_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <clocale>
#include <string>

#include "fileio/io_error.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

using test_support::ReadBytes;
using test_support::TempDir;
using test_support::WriteBytes;

TEST(ReadKeyLine, TakesTheFirstLine) {
    const struct {
        const char* what;
        std::string content;
        std::u16string line;
    } cases[] = {
        {"three lines", "first\r\nsecond\r\nthird\r\n", u"first"},
        {"no line break", "whole content", u"whole content"},
        {"LF only", "one\ntwo", u"one"},
        {"CR only", "one\rtwo", u"one"},
        {"0x1A ends the file",
         "one\x1a"
         "two\r\n",
         u"one"},
        {"empty file", "", u""},
        {"starts with a break", "\r\nsecond", u""},
        {"Windows-1251", "\xCF\xE0\xF0\xEE\xEB\xFC \xB9\r\n", u"Пароль №"},
        {"NUL bytes stay", std::string("a\0b\n", 4), std::u16string(u"a\0b", 3)},
    };
    TempDir dir;
    for (const auto& c : cases) {
        WriteBytes(dir / "k.key", c.content);
        EXPECT_EQ(ReadKeyLine(dir.U16("k.key")), c.line) << c.what;
    }
}

TEST(ReadKeyLine, ReadsALongLineWhole) {
    TempDir dir;
    std::string content(50 * 1000 * 1000, 'x');
    content[0] = '\xC0';
    content += "\r\ntail";
    WriteBytes(dir / "long.key", content);
    const std::u16string line = ReadKeyLine(dir.U16("long.key"));
    ASSERT_EQ(line.size(), 50u * 1000 * 1000);
    EXPECT_EQ(line.front(), u'А');
    EXPECT_EQ(line.back(), u'x');
}

TEST(ReadKeyLine, ErrorsNameTheFile) {
    TempDir dir;
    const std::u16string missing = dir.U16("missing.key");
    try {
        ReadKeyLine(missing);
        FAIL() << "no error";
    } catch (const IoError& error) {
        EXPECT_EQ(error.path(), missing);
        EXPECT_NE(std::string(error.what()).find("missing.key"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("No such file"), std::string::npos);
    }
    EXPECT_THROW(ReadKeyLine(dir.U16()), IoError);  // a folder
}

// The window runs under the user's locale; the reason then comes in the user's language, and in
// UTF-8 like the rest of the message even under a locale of another character set.
TEST(ReadKeyLine, TheReasonFollowsTheLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    TempDir dir;
    int tried = 0;
    for (const char* locale : {"ru_RU.UTF-8", "ru_RU.KOI8-R"}) {
        if (!std::setlocale(LC_ALL, locale)) continue;
        ++tried;
        std::string message;
        try {
            ReadKeyLine(dir.U16("missing.key"));
        } catch (const IoError& error) {
            message = error.what();
        }
        std::setlocale(LC_ALL, saved.c_str());
        EXPECT_NE(message.find("Нет такого файла или каталога"), std::string::npos) << locale << ": " << message;
    }
    if (tried == 0) GTEST_SKIP() << "no Russian locale on this system";
}

TEST(WriteKeyLine, ReplacesTheFileWithOneLine) {
    TempDir dir;
    WriteBytes(dir / "k.key", "old one\r\nold two\r\nold three\r\n");
    WriteKeyLine(dir.U16("k.key"), u"Новый ключ");
    EXPECT_EQ(ReadBytes(dir / "k.key"), "\xCD\xEE\xE2\xFB\xE9 \xEA\xEB\xFE\xF7\r\n");
    WriteKeyLine(dir.U16("k.key"), u"");
    EXPECT_EQ(ReadBytes(dir / "k.key"), "\r\n");
    WriteKeyLine(dir.U16("k.key"), u"漢字 key");
    EXPECT_EQ(ReadKeyLine(dir.U16("k.key")), u"?? key");
}

TEST(WriteKeyLine, NewFilesAreOwnerOnlyAndOldOnesKeepTheirMode) {
    TempDir dir;
    WriteKeyLine(dir.U16("new.key"), u"a");
    struct stat info {};
    ASSERT_EQ(::stat((dir / "new.key").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    WriteBytes(dir / "shared.key", "old\r\n");
    ::chmod((dir / "shared.key").c_str(), 0640);
    WriteKeyLine(dir.U16("shared.key"), u"b");
    ASSERT_EQ(::stat((dir / "shared.key").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(WriteKeyLine, ALinkStaysALinkAndItsTargetIsWritten) {
    TempDir dir;
    std::filesystem::create_directory(dir / "real");
    WriteBytes(dir / "real" / "target.key", "old\r\n");
    std::filesystem::create_symlink("real/target.key", dir / "link.key");
    WriteKeyLine(dir.U16("link.key"), u"through the link");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.key"));
    EXPECT_EQ(ReadBytes(dir / "real" / "target.key"), "through the link\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "real"), {}), 1);
}

TEST(WriteKeyLine, RefusesAReadOnlyFileAndUpdatesInPlaceInAFolderWithoutWriteAccess) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    TempDir dir;
    WriteBytes(dir / "ro.key", "keep\r\n");
    ::chmod((dir / "ro.key").c_str(), 0400);
    EXPECT_THROW(WriteKeyLine(dir.U16("ro.key"), u"new"), IoError);
    EXPECT_EQ(ReadBytes(dir / "ro.key"), "keep\r\n");

    // A key file in a folder we may not write: no temporary file can go there, the file itself is updated.
    std::filesystem::create_directory(dir / "locked");
    WriteBytes(dir / "locked" / "k.key", "a much longer old key\r\nsecond line\r\n");
    ::chmod((dir / "locked").c_str(), 0500);
    WriteKeyLine(dir.U16("locked/k.key"), u"new");
    EXPECT_EQ(ReadBytes(dir / "locked" / "k.key"), "new\r\n");
    EXPECT_THROW(WriteKeyLine(dir.U16("locked/other.key"), u"new"), IoError);  // a new file cannot be made
    EXPECT_FALSE(std::filesystem::exists(dir / "locked" / "other.key"));
}

TEST(KeyLine, RoundTripsLinesOfEveryByte) {
    TempDir dir;
    std::u16string text;
    for (char16_t c = 0x20; c < 0x450; ++c)
        if (c != u'\r' && c != u'\n' && c != 0x1a) text.push_back(c);
    WriteKeyLine(dir.U16("k.key"), text);
    const std::u16string back = ReadKeyLine(dir.U16("k.key"));
    ASSERT_EQ(back.size(), text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (back[i] != u'?') {
            EXPECT_EQ(back[i], text[i]);
        }
    }
}

}  // namespace
}  // namespace sorvane
