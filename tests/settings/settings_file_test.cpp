#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "cipher/builtin_chain.h"
#include "fileio/io_error.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(SettingsFile, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
    TempDir dir;
    SettingsFile file(dir.U16("sorvane.ini"));
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"left", 17), 17);
    EXPECT_TRUE(file.ReadBool(u"FORM1", u"Remember", true));
    EXPECT_EQ(file.ReadString(u"FORM1", u"Dir", u"/d"), u"/d");
    file.WriteInteger(u"FORM1", u"left", -3);
    file.WriteBool(u"FORM1", u"HidePass1", true);
    file.WriteString(u"FORM1", u"Dir", u"/home/пользователь");
    EXPECT_EQ(ReadBytes(dir / "sorvane.ini"), "[FORM1]\nleft=-3\nHidePass1=1\nDir=/home/\xD0\xBF\xD0\xBE\xD0\xBB\xD1\x8C\xD0\xB7\xD0\xBE\xD0\xB2\xD0\xB0\xD1\x82\xD0\xB5\xD0\xBB\xD1\x8C\n");
    struct stat info {};
    ASSERT_EQ(::stat((dir / "sorvane.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(SettingsFile, BooleansAndIntegersByTheRules) {
    TempDir dir;
    WriteBytes(dir / "s.ini", "[FORM1]\nleft=0x20\ntop=abc\nHidePass1=2\nRemember=yes\nwidth= -5\n");
    SettingsFile file(dir.U16("s.ini"));
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"left", 0), 32);
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"top", 9), 9);
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"width", 9), -5);
    EXPECT_TRUE(file.ReadBool(u"FORM1", u"HidePass1", false));
    EXPECT_FALSE(file.ReadBool(u"FORM1", u"Remember", false));
}

TEST(SettingsFile, EncodedMasterKeysAndLongValuesComeBackExactly) {
    TempDir dir;
    SettingsFile file(dir.U16("s.ini"));
    for (const std::u16string& value : {std::u16string(u" \"Пароль\" "), std::u16string(5000, u'x'),
                                       Passway(u"  master key with blanks  ")}) {
        file.WriteString(u"FORM1", u"Password", value);
        EXPECT_EQ(file.ReadString(u"FORM1", u"Password", u""), value);
    }
}

TEST(SettingsFile, ReadsWindows1251AndDamagedFiles) {
    TempDir dir;
    WriteBytes(dir / "s.ini", "[FORM1]\r\nWindowState=\xD1\xE6\xE0\xF2\xFC \xEE\xEA\xED\xEE\r\n");
    SettingsFile file(dir.U16("s.ini"));
    EXPECT_EQ(file.ReadString(u"FORM1", u"WindowState", u""), u"Сжать окно");

    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 131) & 0xff));
    WriteBytes(dir / "s.ini", garbage);
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"left", 5), 5);
    file.WriteInteger(u"FORM1", u"left", 6);
    EXPECT_EQ(file.ReadInteger(u"FORM1", u"left", 5), 6);
}

TEST(SettingsFile, AValueWithALineBreakIsRefusedAndForgesNothing) {
    TempDir dir;
    SettingsFile file(dir.U16("s.ini"));
    file.WriteString(u"FORM1", u"Dir", u"/safe");
    EXPECT_THROW(file.WriteString(u"FORM1", u"Dir", u"/x\nRemember=1\nPassword=forged"), IoError);
    EXPECT_EQ(file.ReadString(u"FORM1", u"Dir", u""), u"/safe");
    EXPECT_FALSE(file.ReadBool(u"FORM1", u"Remember", false));
}

TEST(SettingsFile, AFailedWriteSaysUnableToWrite) {
    TempDir dir;
    SettingsFile file(dir.U16("missing-folder/sorvane.ini"));
    try {
        file.WriteInteger(u"FORM1", u"left", 1);
        FAIL() << "no error";
    } catch (const IoError& error) {
        const std::string expected = "Unable to write to " + (dir / "missing-folder/sorvane.ini").string();
        EXPECT_EQ(std::string(error.what()).rfind(expected, 0), 0u) << error.what();
    }
}

}  // namespace
}  // namespace sorvane
