#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// A settings (INI) file, read and written one value at a time; it keeps no copy of the file.
// Making the object touches no file. The file is written in UTF-8; one that is not valid UTF-8 is
// read as Windows-1251.
class SettingsFile {
public:
    explicit SettingsFile(std::u16string path) : path_(std::move(path)) {}

    // Missing file, section or key, or an unreadable number, gives the default.
    int ReadInteger(std::u16string_view section, std::u16string_view key, int default_value) const;
    bool ReadBool(std::u16string_view section, std::u16string_view key, bool default_value) const;
    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view default_value) const;

    // Replaces the file atomically (owner-only when new). Throws IoError "Unable to write to <path>".
    void WriteInteger(std::u16string_view section, std::u16string_view key, int value);
    void WriteBool(std::u16string_view section, std::u16string_view key, bool value);
    void WriteString(std::u16string_view section, std::u16string_view key, std::u16string_view value);

    const std::u16string& path() const { return path_; }

private:
    std::u16string path_;
};

}  // namespace sorvane
