// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/working_directory.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <string_view>
#include <vector>

#include "fileio/io_error.h"

namespace sorvane {
namespace {

// The absolute path of `folder` as typed, the way a shell keeps its logical current folder: relative
// to `base`, with ".", ".." and repeated or trailing separators worked out in the text. A folder
// reached through a symbolic link keeps the link's name.
std::string LogicalPath(const std::string& folder, const std::string& base) {
    const std::string joined = folder.starts_with('/') ? folder : base + '/' + folder;
    std::vector<std::string_view> parts;
    std::string_view rest = joined;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('/'), rest.size());
        const std::string_view part = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string path;
    for (const std::string_view part : parts) (path += '/') += part;
    return path.empty() ? "/" : path;
}

}  // namespace

std::filesystem::path CurrentWorkingDirectory() {
    std::string path(4096, '\0');
    while (::getcwd(path.data(), path.size()) == nullptr) {
        if (errno != ERANGE) throw IoErrorFromErrno(IoAction::kReadFolder, u".", errno);
        path.resize(path.size() * 2);
    }
    path.resize(path.find('\0'));
    return std::filesystem::path(std::move(path));
}

std::filesystem::path EnterFolder(const std::filesystem::path& folder) {
    const std::string& native = folder.native();
    std::string path =
        LogicalPath(native, native.starts_with('/') ? std::string() : CurrentWorkingDirectory().native());
    if (::chdir(path.c_str()) != 0) throw IoErrorFromErrno(IoAction::kOpenFolder, folder, errno);
    return std::filesystem::path(std::move(path));
}

}  // namespace sorvane
