// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/shipped_files.h"

#include <filesystem>

#include "folders/file_operations.h"
#include "text/unicode.h"

namespace sorvane {

std::u16string InstalledDataDirectory(std::u16string_view program_directory) {
    // The path from the program's folder to the data folder is fixed when the build is configured.
    const std::filesystem::path data =
        std::filesystem::path(Utf16ToUtf8(program_directory)) / SORVANE_DATA_FROM_PROGRAM;
    std::string resolved = data.lexically_normal().string();
    if (resolved.empty() || resolved.back() != '/') resolved += '/';
    return Utf8ToUtf16(resolved);
}

std::u16string ShippedFilePath(std::u16string_view program_directory, std::u16string_view name) {
    std::u16string beside = std::u16string(program_directory) + std::u16string(name);
    if (FileExists(beside)) return beside;
    std::u16string installed = InstalledDataDirectory(program_directory) + std::u16string(name);
    return FileExists(installed) ? installed : beside;
}

bool RunsInstalled(std::u16string_view program_directory) {
    return ShippedFilePath(program_directory, u"pass.ttf") != std::u16string(program_directory) + u"pass.ttf";
}

}  // namespace sorvane
