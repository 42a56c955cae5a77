// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/settings_location.h"

#include "fileio/io_error.h"
#include "folders/file_operations.h"
#include "folders/shipped_files.h"

namespace sorvane {

std::u16string SettingsFilePath(std::u16string_view program_directory,
                                const std::optional<std::u16string>& config_home) {
    std::u16string beside = std::u16string(program_directory) + u"sorvane.ini";
    if (FileExists(beside) || !config_home || !RunsInstalled(program_directory)) return beside;
    std::u16string folder = *config_home;
    if (folder.empty() || folder.back() != u'/') folder += u'/';
    return folder + u"sorvane/sorvane.ini";
}

void CreateSettingsFolder(std::u16string_view settings_path, std::u16string_view program_directory) {
    const std::u16string_view folder = settings_path.substr(0, settings_path.rfind(u'/') + 1);
    if (folder == program_directory) return;
    // Every missing folder from the top down; one that exists is left as it is.
    for (std::size_t end = folder.find(u'/', 1); end != std::u16string_view::npos; end = folder.find(u'/', end + 1)) {
        const std::u16string_view part = folder.substr(0, end);
        if (FolderExists(part)) continue;
        if (const std::error_code error = CreateFolder(part); error && !FolderExists(part))
            throw IoErrorFromErrno(IoAction::kCreateFolder, part, error.value());
    }
}

}  // namespace sorvane
