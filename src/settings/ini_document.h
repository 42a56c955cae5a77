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
        std::u16string section;  // the section this line belongs to (for a header: its own name)
        bool is_header = false;
    };
    std::optional<std::size_t> FindKey(std::u16string_view section, std::u16string_view key) const;

    std::vector<Line> lines_;
};

}  // namespace sorvane
