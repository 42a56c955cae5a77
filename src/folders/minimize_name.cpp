// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/minimize_name.h"

#include <vector>

namespace sorvane {

std::u16string MinimizeName(std::u16string_view path, const std::function<bool(std::u16string_view)>& fits,
                            PathStyle style) {
    if (fits(path)) return std::u16string(path);
    const char16_t separator = PathSeparator(style);
    // The drive ("C:" or nothing for "/") and the components after it.
    std::u16string_view rest = path;
    std::u16string drive;
    if (style == PathStyle::kWindows && rest.size() >= 2 && rest[1] == u':') {
        drive = std::u16string(rest.substr(0, 2));
        rest.remove_prefix(2);
    }
    std::vector<std::u16string_view> parts;
    while (!rest.empty()) {
        const std::size_t next = rest.find(separator);
        if (next != 0) parts.push_back(rest.substr(0, next));
        if (next == std::u16string_view::npos) break;
        rest.remove_prefix(next + 1);
    }
    if (parts.empty()) return std::u16string(path);

    const auto tail_from = [&](std::size_t first) {
        std::u16string tail;
        for (std::size_t i = first; i < parts.size(); ++i) {
            tail += separator;
            tail += parts[i];
        }
        return tail;
    };
    const std::u16string ellipsis = u"...";
    for (std::size_t first = 1; first < parts.size(); ++first) {
        const std::u16string candidate = drive + separator + ellipsis + tail_from(first);
        if (fits(candidate)) return candidate;
    }
    const std::u16string without_drive = ellipsis + tail_from(parts.size() - 1);
    if (fits(without_drive)) return without_drive;
    return std::u16string(parts.back());
}

}  // namespace sorvane
