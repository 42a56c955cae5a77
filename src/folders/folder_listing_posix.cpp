// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "fileio/io_error.h"
#include "fileio/path_text.h"

namespace sorvane {
namespace {

enum class EntryKind { kFile, kFolder, kOther };

// Reads the folder once and hands each visible entry with its kind; d_type spares a stat per entry.
template <typename Visit>
void ForEachEntry(const std::filesystem::path& folder, Visit visit) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) throw IoErrorFromErrno(IoAction::kReadFolder, folder, errno);
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') continue;  // ".", ".." and hidden entries
        EntryKind kind = entry->d_type == DT_DIR   ? EntryKind::kFolder
                         : entry->d_type == DT_REG ? EntryKind::kFile
                                                   : EntryKind::kOther;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            if (::fstatat(fd, entry->d_name, &info, 0) == 0)
                kind = S_ISDIR(info.st_mode) ? EntryKind::kFolder : EntryKind::kFile;
            else
                kind = EntryKind::kFile;  // a dangling link still shows as a file name
        }
        visit(std::string_view(entry->d_name), kind);
    }
    ::closedir(dir);
}

void SortEntries(std::vector<FolderEntry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        const int order = CompareListOrder(a.shown, b.shown);
        return order != 0 ? order < 0 : a.name < b.name;  // look-alikes: by their bytes
    });
}

FolderEntry MakeEntry(std::string_view name) { return {std::string(name), DisplayText(name)}; }

}  // namespace

std::vector<FolderEntry> ListFiles(const std::filesystem::path& folder, std::u16string_view mask) {
    std::vector<FolderEntry> entries;
    ForEachEntry(folder, [&](std::string_view name, EntryKind kind) {
        if (kind == EntryKind::kFolder) return;
        FolderEntry entry = MakeEntry(name);
        if (MatchesMask(entry.shown, mask)) entries.push_back(std::move(entry));
    });
    SortEntries(entries);
    return entries;
}

std::vector<FolderEntry> ListSubfolders(const std::filesystem::path& folder) {
    std::vector<FolderEntry> entries;
    ForEachEntry(folder, [&](std::string_view name, EntryKind kind) {
        if (kind == EntryKind::kFolder) entries.push_back(MakeEntry(name));
    });
    SortEntries(entries);
    return entries;
}

}  // namespace sorvane
