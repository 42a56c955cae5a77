// SPDX-License-Identifier: GPL-3.0-or-later
// The whole settings object over any file: it parses; setting one value changes that value alone,
// and it reads back exactly after a trip through the file's bytes; one line re-encoded in
// Windows-1251 by hand changes the meaning of no value.
#include <algorithm>
#include <cstdlib>

#include "fuzz_input.h"
#include "settings/window_settings.h"
#include "text/unicode.h"
#include "text/windows1251.h"

namespace {

using sorvane::SettingsFile;
using sorvane::WindowSettings;

// A text that can stand as a value: one line, and no lone surrogates (UTF-8 has no form for them).
std::u16string AsValue(std::u16string text) {
    for (char16_t& c : text)
        if (c == u'\r' || c == u'\n' || (c >= 0xd800 && c <= 0xdfff)) c = u'x';
    return text;
}

WindowSettings Read(std::string_view bytes) {
    return sorvane::ReadWindowSettings(SettingsFile::Parse(u"s.ini", bytes), WindowSettings{});
}

// Sets the member picked by which: the number for the numbers and booleans, the text for the texts.
void Change(WindowSettings& settings, unsigned which, int number, const std::u16string& text) {
    switch (which % 9) {
        case 0:
            settings.left = number;
            break;
        case 1:
            settings.top = number;
            break;
        case 2:
            settings.width = number;
            break;
        case 3:
            settings.height = number;
            break;
        case 4:
            settings.window_state = text;
            break;
        case 5:
            settings.dir = text;
            break;
        case 6:
            settings.hide_pass1 = number & 1;
            break;
        case 7:
            settings.remember = number & 1;
            break;
        default:
            settings.password = text;
            break;
    }
}

// The bytes with their line number `which` (counted from 0) in Windows-1251 instead of UTF-8, or
// nothing when that line would not read back as the same text.
std::optional<std::string> ReencodeLine(const std::string& bytes, std::size_t which) {
    std::size_t start = 0;
    for (std::size_t line = 0; line < which && start < bytes.size(); ++line) {
        const std::size_t end = bytes.find('\n', start);
        start = end == std::string::npos ? bytes.size() : end + 1;
    }
    if (start >= bytes.size()) return std::nullopt;
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    const std::string_view line = std::string_view(bytes).substr(start, end - start);
    if (start == 0 && line.substr(0, 3) == "\xEF\xBB\xBF") return std::nullopt;  // the byte order mark
    if (!sorvane::IsValidUtf8(line)) return std::nullopt;
    const std::u16string text = sorvane::Utf8ToUtf16(line);
    const std::string reencoded = sorvane::EncodeWindows1251(text);
    // Bytes that happen to be UTF-8 would be read as another text, as they are in any editor.
    if (sorvane::DecodeWindows1251(reencoded) != text || sorvane::IsValidUtf8(reencoded)) return std::nullopt;
    return bytes.substr(0, start) + reencoded + bytes.substr(end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sorvane::fuzzing::FuzzInput input(data, size);
    const unsigned which = input.Byte();
    const std::size_t line_to_reencode = input.Byte();
    int number = 0;
    for (int i = 0; i < 4; ++i) number = static_cast<int>((static_cast<unsigned>(number) << 8) | input.Byte());
    const std::u16string text = AsValue(input.Text());
    const std::string bytes = input.RestAsBytes();

    const WindowSettings before = Read(bytes);
    WindowSettings changed = before;
    Change(changed, which, number, text);
    SettingsFile file = SettingsFile::Parse(u"s.ini", bytes);
    if (!sorvane::WriteWindowSettings(file, changed).empty()) std::abort();
    if (Read(file.Bytes()) != changed) std::abort();

    if (const auto edited = ReencodeLine(bytes, line_to_reencode)) {
        if (Read(*edited) != before) std::abort();
    }
    return 0;
}
