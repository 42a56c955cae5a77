#include "settings/settings_file.h"

#include "fileio/atomic_write.h"
#include "fileio/file_reading.h"
#include "fileio/io_error.h"
#include "settings/ini_document.h"
#include "settings/ini_values.h"
#include "settings/settings_text.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

// The file's lines; a missing or unreadable file reads as an empty one, as the defaults require.
IniDocument Load(const std::u16string& path) {
    try {
        return IniDocument::Parse(DecodeSettingsText(ReadWholeFile(path)));
    } catch (const IoError&) {
        return {};
    }
}

}  // namespace

int SettingsFile::ReadInteger(std::u16string_view section, std::u16string_view key, int default_value) const {
    const auto value = Load(path_).Get(section, key);
    if (!value) return default_value;
    return ParseIniInteger(*value).value_or(default_value);
}

bool SettingsFile::ReadBool(std::u16string_view section, std::u16string_view key, bool default_value) const {
    return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

std::u16string SettingsFile::ReadString(std::u16string_view section, std::u16string_view key,
                                        std::u16string_view default_value) const {
    return Load(path_).Get(section, key).value_or(std::u16string(default_value));
}

void SettingsFile::WriteInteger(std::u16string_view section, std::u16string_view key, int value) {
    const std::string digits = std::to_string(value);
    WriteString(section, key, std::u16string(digits.begin(), digits.end()));
}

void SettingsFile::WriteBool(std::u16string_view section, std::u16string_view key, bool value) {
    WriteString(section, key, value ? u"1" : u"0");
}

void SettingsFile::WriteString(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    IniDocument document = Load(path_);
    if (value.find_first_of(u"\r\n") != std::u16string_view::npos) {
        // A line break would end the value early and could forge other keys.
        throw IoError(path_, "Unable to write to " + Utf16ToUtf8(path_) + " (the value of " + Utf16ToUtf8(key) +
                                 " holds a line break)");
    }
    document.Set(section, key, value);
    try {
        AtomicWriteFile(path_, Utf16ToUtf8(document.Serialize()));
    } catch (const IoError& error) {
        throw IoError(path_, "Unable to write to " + Utf16ToUtf8(path_) + " (" + error.what() + ")");
    }
}

}  // namespace sorvane
