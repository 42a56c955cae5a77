#include "folders/working_directory.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "fileio/io_error.h"
#include "text/unicode.h"

namespace sorvane {

std::u16string CurrentWorkingDirectory() {
    std::string path(4096, '\0');
    while (::getcwd(path.data(), path.size()) == nullptr) {
        if (errno != ERANGE) throw IoErrorFromErrno(IoAction::kReadFolder, u".", errno);
        path.resize(path.size() * 2);
    }
    path.resize(path.find('\0'));
    return Utf8ToUtf16(path);
}

std::u16string EnterFolder(std::u16string_view folder) {
    if (::chdir(Utf16ToUtf8(folder).c_str()) != 0) throw IoErrorFromErrno(IoAction::kOpenFolder, folder, errno);
    return CurrentWorkingDirectory();
}

}  // namespace sorvane
