// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/stored_folder.h"

#include "fileio/path_text.h"
#include "folders/file_operations.h"
#include "text/windows1251.h"

namespace sorvane {

std::u16string StoredFolderText(const std::filesystem::path& folder) { return DisplayText(folder); }

std::filesystem::path FolderFromStoredText(std::u16string_view text) {
    std::filesystem::path typed = PathFromText(text);
    if (FolderExists(typed)) return typed;
    const std::string bytes = EncodeWindows1251(text);
    if (DecodeWindows1251(bytes) == text) {
        std::filesystem::path archived{bytes};
        if (FolderExists(archived)) return archived;
    }
    return typed;  // gone: entering it fails as it would for any missing folder
}

}  // namespace sorvane
