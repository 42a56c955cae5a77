// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "cipher/builtin_chain.h"
#include "fileio/io_error.h"
#include "settings/ini_document.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

using test_support::ReadBytes;
using test_support::TempDir;
using test_support::WriteBytes;

TEST(SettingsFile, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
    TempDir dir;
    SettingsFile file = SettingsFile::Load(dir.U16("sorvane.ini"));
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"left", 17), 17);
    EXPECT_TRUE(file.ReadBool(u"FORM1", u"Remember", true));
    EXPECT_EQ(file.ReadString(u"FORM1", u"Dir", u"/d"), u"/d");
    EXPECT_FALSE(std::filesystem::exists(dir / "sorvane.ini"));
    file.WriteInteger(u"FORM1", u"left", -3);
    file.WriteBool(u"FORM1", u"HidePass1", true);
    ASSERT_TRUE(file.WriteString(u"FORM1", u"Dir", u"/home/пользователь"));
    file.Save();
    EXPECT_EQ(ReadBytes(dir / "sorvane.ini"),
              "[FORM1]\nleft=-3\nHidePass1=1\nDir=/home/"
              "\xD0\xBF\xD0\xBE\xD0\xBB\xD1\x8C\xD0\xB7\xD0\xBE\xD0\xB2\xD0\xB0\xD1\x82\xD0\xB5\xD0\xBB\xD1\x8C\n");
    struct stat info {};
    ASSERT_EQ(::stat((dir / "sorvane.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(SettingsFile, BooleansAndIntegersByTheRules) {
    TempDir dir;
    WriteBytes(dir / "s.ini", "[FORM1]\nleft=0x20\ntop=abc\nHidePass1=2\nRemember=yes\nwidth= -5\n");
    const SettingsFile file = SettingsFile::Load(dir.U16("s.ini"));
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"left", 0), 32);
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"top", 9), 9);
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"width", 9), -5);
    EXPECT_TRUE(file.ReadBool(u"FORM1", u"HidePass1", false));
    EXPECT_FALSE(file.ReadBool(u"FORM1", u"Remember", false));
}

TEST(SettingsFile, EncodedMasterKeysAndLongValuesComeBackExactly) {
    TempDir dir;
    for (const std::u16string& value :
         {std::u16string(u" \"Пароль\" "), std::u16string(5000, u'x'), Passway(u"  master key with blanks  ")}) {
        SettingsFile file = SettingsFile::Load(dir.U16("s.ini"));
        ASSERT_TRUE(file.WriteString(u"FORM1", u"Password", value));
        file.Save();
        EXPECT_EQ(SettingsFile::Load(dir.U16("s.ini")).ReadString(u"FORM1", u"Password", u""), value);
    }
}

TEST(SettingsFile, ReadsWindows1251AndDamagedFiles) {
    TempDir dir;
    WriteBytes(dir / "s.ini", "[FORM1]\r\nWindowState=\xD1\xE6\xE0\xF2\xFC \xEE\xEA\xED\xEE\r\n");
    EXPECT_EQ(SettingsFile::Load(dir.U16("s.ini")).ReadString(u"FORM1", u"WindowState", u""), u"Сжать окно");

    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 131) & 0xff));
    WriteBytes(dir / "s.ini", garbage);
    SettingsFile file = SettingsFile::Load(dir.U16("s.ini"));
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"left", 5), 5);
    file.WriteInteger(u"FORM1", u"left", 6);
    file.Save();
    EXPECT_EQ(SettingsFile::Load(dir.U16("s.ini")).ReadInteger(u"FORM1", u"left", 5), 6);
}

TEST(SettingsFile, AValueWithALineBreakIsRefusedAndForgesNothing) {
    TempDir dir;
    SettingsFile file = SettingsFile::Load(dir.U16("s.ini"));
    ASSERT_TRUE(file.WriteString(u"FORM1", u"Dir", u"/safe"));
    EXPECT_FALSE(file.WriteString(u"FORM1", u"Dir", u"/x\nRemember=1\nPassword=forged"));
    file.Save();
    const SettingsFile reread = SettingsFile::Load(dir.U16("s.ini"));
    EXPECT_EQ(reread.ReadString(u"FORM1", u"Dir", u""), u"/safe");
    EXPECT_FALSE(reread.ReadBool(u"FORM1", u"Remember", false));
}

TEST(SettingsFile, AFailedWriteSaysUnableToWrite) {
    TempDir dir;
    SettingsFile file = SettingsFile::Load(dir.U16("missing-folder/sorvane.ini"));
    file.WriteInteger(u"FORM1", u"left", 1);
    try {
        file.Save();
        FAIL() << "no error";
    } catch (const IoError& error) {
        const std::string expected = "Unable to write to " + (dir / "missing-folder/sorvane.ini").string();
        EXPECT_EQ(std::string(error.what()).rfind(expected, 0), 0u) << error.what();
    }
}

TEST(SettingsFile, EachLineHasItsOwnEncoding) {
    TempDir dir;
    // A Windows-1251 comment added by hand among UTF-8 values.
    WriteBytes(dir / "s.ini",
               "[FORM1]\n; \xEC\xEE\xE9 \xEA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9\n"
               "Password=\xD0\x96\xC2\xA7\n"
               "Dir=/home/\xD0\xB8\xD0\xB2\xD0\xB0\xD0\xBD\n");
    SettingsFile file = SettingsFile::Load(dir.U16("s.ini"));
    EXPECT_EQ(file.ReadString(u"FORM1", u"Password", u""), u"Ж§");
    EXPECT_EQ(file.ReadString(u"FORM1", u"Dir", u""), u"/home/иван");
    file.WriteInteger(u"FORM1", u"left", 1);
    file.Save();
    const SettingsFile reread = SettingsFile::Load(dir.U16("s.ini"));
    EXPECT_EQ(reread.ReadString(u"FORM1", u"Password", u""), u"Ж§");
    EXPECT_NE(ReadBytes(dir / "s.ini").find("; мой комментарий\n"), std::string::npos);
}

TEST(SettingsFile, AFileTooLargeToBeSettingsIsDamagedAndNotHalfRead) {
    TempDir dir;
    std::string huge = "[FORM1]\nleft=77\n";
    huge += "[" + std::string(kMaxSettingsFileSize, 's') + "]\n";
    WriteBytes(dir / "s.ini", huge);
    const SettingsFile file = SettingsFile::Load(dir.U16("s.ini"));
    EXPECT_TRUE(file.damaged());
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"left", 5), 5);
    EXPECT_NE(DamagedSettingsMessage(file.path()).find(u"s.ini"), std::u16string::npos);

    WriteBytes(dir / "s.ini", "[FORM1]\nleft=77\n");
    EXPECT_FALSE(SettingsFile::Load(dir.U16("s.ini")).damaged());
}

TEST(IniDocument, ManyLinesUnderALongSectionNameTakeLinearMemory) {
    // Every line used to carry its own copy of the section name.
    std::u16string text = u"[" + std::u16string(100000, u's') + u"]\n";
    for (int i = 0; i < 100000; ++i) text += u"k=v\n";
    const IniDocument document = IniDocument::Parse(text);
    EXPECT_EQ(document.Get(std::u16string(100000, u'S'), u"k"), u"v");
}

}  // namespace
}  // namespace sorvane
