// SPDX-License-Identifier: GPL-3.0-or-later
// The path helpers and MinimizeName on any text, in both path styles: no crash, and the properties
// the folder panel relies on.
#include <cstdlib>

#include "folders/minimize_name.h"
#include "folders/path_names.h"
#include "fuzz_input.h"

namespace {

bool EndsWith(std::u16string_view text, std::u16string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sorvane::fuzzing::FuzzInput input(data, size);
    const std::size_t width = input.Byte();
    const std::u16string name = input.Text(64);
    const std::u16string path = input.RestAsText();
    for (const sorvane::PathStyle style : {sorvane::PathStyle::kWindows, sorvane::PathStyle::kPosix}) {
        const std::u16string up = sorvane::UpDir(path, style);
        if (up.size() > path.size()) std::abort();
        // Going up ends: a root or the empty text is reached within as many steps as the path has units.
        std::u16string climbing = path;
        for (std::size_t steps = 0; !climbing.empty() && !sorvane::IsRootFolder(climbing, style); ++steps) {
            if (steps > path.size() + 1) std::abort();
            const std::u16string next = sorvane::UpDir(climbing, style);
            if (next == climbing) break;
            climbing = next;
        }
        if (sorvane::ThisDir(path, style).size() > path.size()) std::abort();
        if (!EndsWith(path, sorvane::ExtractFileName(path, style))) std::abort();
        const std::u16string joined = sorvane::JoinPath(path, name, style);
        if (joined != path + sorvane::PathSeparator(style) + name) std::abort();
        if (!EndsWith(sorvane::ChildPath(path, name, style), name)) std::abort();
        if (sorvane::ExtractOnlyFileName(path, style).size() > path.size()) std::abort();

        const auto fits = [width](std::u16string_view candidate) { return candidate.size() <= width; };
        const std::u16string minimized = sorvane::MinimizeName(path, fits, style);
        if (fits(path) && minimized != path) std::abort();
    }
    return 0;
}
