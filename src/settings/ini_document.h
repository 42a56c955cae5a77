// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

// The lines of an INI file, kept as they are, with lookups of sections and keys without regard to
// letter case. Changing a value touches only its own line.
class IniDocument {
public:
    static IniDocument Parse(std::u16string_view text);

    // The value as read (blanks and one pair of enclosing quotes removed), or nothing when missing.
    std::optional<std::u16string> Get(std::u16string_view section, std::u16string_view key) const;

    // Replaces the key's value in place, or adds the key at the end of its section, adding the
    // section at the end of the file when it is missing. A value must be one line.
    void Set(std::u16string_view section, std::u16string_view key, std::u16string_view value);

    // The whole text, one line ending in a line feed after every line.
    std::u16string Serialize() const;

private:
    struct Line {
        std::u16string text;
        std::size_t section = 0;  // index into sections_ of the section this line is in (a header: its own)
        bool is_header = false;
    };
    // Which entries of sections_ carry the name; a name is looked at once, not once per line.
    std::vector<bool> SectionsNamed(std::u16string_view section) const;
    std::optional<std::size_t> FindKey(std::u16string_view section, std::u16string_view key) const;

    std::vector<std::u16string> sections_{std::u16string()};  // [0]: the lines before any header
    std::vector<Line> lines_;
};

}  // namespace sorvane
