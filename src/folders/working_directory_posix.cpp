#include "folders/working_directory.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "fileio/io_error.h"

namespace sorvane {

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
    if (::chdir(folder.c_str()) != 0) throw IoErrorFromErrno(IoAction::kOpenFolder, folder, errno);
    return CurrentWorkingDirectory();
}

}  // namespace sorvane
