// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include "fileio/atomic_write.h"
#include "fileio/file_reading.h"
#include "fileio/io_error.h"
#include "settings/ini_values.h"
#include "settings/settings_text.h"
#include "text/unicode.h"

namespace sorvane {

SettingsFile SettingsFile::Load(std::u16string path) {
    std::string bytes;
    bool damaged = false;
    try {
        ReadFileInBlocks(path, [&](std::string_view block, std::uint64_t) {
            damaged = bytes.size() + block.size() > kMaxSettingsFileSize;
            if (!damaged) bytes.append(block);
            return !damaged;
        });
    } catch (const IoError&) {
        bytes.clear();  // a missing or unreadable file reads as an empty one, as the defaults require
    }
    if (damaged) return SettingsFile(std::move(path), IniDocument(), true);
    return Parse(std::move(path), bytes);
}

SettingsFile SettingsFile::Parse(std::u16string path, std::string_view bytes) {
    return SettingsFile(std::move(path), IniDocument::Parse(DecodeSettingsText(bytes)), false);
}

int SettingsFile::ReadInteger(std::u16string_view section, std::u16string_view key, int default_value) const {
    const auto value = document_.Get(section, key);
    if (!value) return default_value;
    return ParseIniInteger(*value).value_or(default_value);
}

bool SettingsFile::ReadBool(std::u16string_view section, std::u16string_view key, bool default_value) const {
    return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

std::u16string SettingsFile::ReadString(std::u16string_view section, std::u16string_view key,
                                        std::u16string_view default_value) const {
    return document_.Get(section, key).value_or(std::u16string(default_value));
}

void SettingsFile::WriteInteger(std::u16string_view section, std::u16string_view key, int value) {
    const std::string digits = std::to_string(value);
    document_.Set(section, key, std::u16string(digits.begin(), digits.end()));
}

void SettingsFile::WriteBool(std::u16string_view section, std::u16string_view key, bool value) {
    document_.Set(section, key, value ? u"1" : u"0");
}

bool SettingsFile::WriteString(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    if (value.find_first_of(u"\r\n") != std::u16string_view::npos) return false;
    document_.Set(section, key, value);
    return true;
}

void SettingsFile::Save() const {
    try {
        AtomicWriteFile(path_, Bytes());
    } catch (const IoError& error) {
        throw IoError(path_, "Unable to write to " + Utf16ToUtf8(path_) + " (" + error.what() + ")");
    }
}

std::string SettingsFile::Bytes() const { return Utf16ToUtf8(document_.Serialize()); }

std::u16string DamagedSettingsMessage(std::u16string_view path) {
    return u"Файл настроек \"" + std::u16string(path) +
           u"\" поврежден (больше 1 МБ) и не прочитан: взяты значения по умолчанию";
}

}  // namespace sorvane
