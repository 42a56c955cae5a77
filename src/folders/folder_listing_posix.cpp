#include "folders/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "fileio/io_error.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

enum class EntryKind { kFile, kFolder, kOther };

// Reads the folder once and hands each visible entry with its kind; d_type spares a stat per entry.
template <typename Visit>
void ForEachEntry(std::u16string_view folder, Visit visit) {
    const std::string native = Utf16ToUtf8(folder);
    DIR* dir = ::opendir(native.c_str());
    if (dir == nullptr) throw IoErrorFromErrno(IoAction::kReadFolder, folder, errno);
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') continue;  // ".", ".." and hidden entries
        EntryKind kind = entry->d_type == DT_DIR ? EntryKind::kFolder
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

void SortNames(std::vector<std::u16string>& names) {
    std::sort(names.begin(), names.end(),
              [](const std::u16string& a, const std::u16string& b) { return ListOrderLess(a, b); });
}

}  // namespace

std::vector<std::u16string> ListFiles(std::u16string_view folder, std::u16string_view mask) {
    std::vector<std::u16string> names;
    ForEachEntry(folder, [&](std::string_view name, EntryKind kind) {
        if (kind == EntryKind::kFolder) return;
        std::u16string wide = Utf8ToUtf16(name);
        if (MatchesMask(wide, mask)) names.push_back(std::move(wide));
    });
    SortNames(names);
    return names;
}

std::vector<std::u16string> ListSubfolders(std::u16string_view folder) {
    std::vector<std::u16string> names;
    ForEachEntry(folder, [&](std::string_view name, EntryKind kind) {
        if (kind == EntryKind::kFolder) names.push_back(Utf8ToUtf16(name));
    });
    SortNames(names);
    return names;
}

}  // namespace sorvane
