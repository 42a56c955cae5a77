// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_text.h"

#include "text/unicode.h"
#include "text/windows1251.h"

namespace sorvane {

std::u16string DecodeSettingsText(std::string_view bytes) {
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) bytes.remove_prefix(kUtf8Bom.size());
    // Line by line: one line added by hand in another encoding must not garble the others.
    std::u16string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end == std::string_view::npos ? bytes.size() : end + 1);
        text += IsValidUtf8(line) ? Utf8ToUtf16(line) : DecodeWindows1251(line);
        bytes.remove_prefix(line.size());
    }
    return text;
}

}  // namespace sorvane
