// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/ini_document.h"

namespace sorvane {

// A settings file that is larger than this is damaged: it is not read, and its values are the defaults.
inline constexpr std::size_t kMaxSettingsFileSize = 1024 * 1024;

// A settings (INI) file, read once into memory and written back once. It is written in UTF-8; a line
// that is not valid UTF-8 is read as Windows-1251.
class SettingsFile {
public:
    // Reads the file. A missing or unreadable one reads as empty; a damaged one too (see damaged()).
    static SettingsFile Load(std::u16string path);
    // The file's content as given, for a file read some other way.
    static SettingsFile Parse(std::u16string path, std::string_view bytes);

    // Whether the file was too large to be a settings file and was not read.
    bool damaged() const { return damaged_; }
    const std::u16string& path() const { return path_; }

    // Missing section or key, or an unreadable number, gives the default.
    int ReadInteger(std::u16string_view section, std::u16string_view key, int default_value) const;
    bool ReadBool(std::u16string_view section, std::u16string_view key, bool default_value) const;
    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view default_value) const;

    // Sets a value in memory. A text with a line break would end early and could forge other keys:
    // it is not set, and the result is false.
    void WriteInteger(std::u16string_view section, std::u16string_view key, int value);
    void WriteBool(std::u16string_view section, std::u16string_view key, bool value);
    [[nodiscard]] bool WriteString(std::u16string_view section, std::u16string_view key, std::u16string_view value);

    // Replaces the file atomically with every value set (owner-only when new).
    // Throws IoError "Unable to write to <path> (<reason>)".
    void Save() const;
    // What Save writes.
    std::string Bytes() const;

private:
    SettingsFile(std::u16string path, IniDocument document, bool damaged)
        : path_(std::move(path)), document_(std::move(document)), damaged_(damaged) {}

    std::u16string path_;
    IniDocument document_;
    bool damaged_ = false;
};

// What the user is told about a damaged settings file.
std::u16string DamagedSettingsMessage(std::u16string_view path);

}  // namespace sorvane
