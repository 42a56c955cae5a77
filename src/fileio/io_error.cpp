#include "fileio/io_error.h"

#include <system_error>

#include "text/unicode.h"

namespace sorvane {

IoError::IoError(std::u16string path, const std::string& message)
    : std::runtime_error(message), path_(std::move(path)) {}

IoError IoErrorFromErrno(std::string_view action, std::u16string_view path, int error_number) {
    std::string message(action);
    message += " \"" + Utf16ToUtf8(path) + "\": " + std::generic_category().message(error_number);
    return IoError(std::u16string(path), message);
}

}  // namespace sorvane
