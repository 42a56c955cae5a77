#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace sorvane {

// The one error type of file and folder operations: its message names the file and the reason.
class IoError : public std::runtime_error {
public:
    IoError(std::u16string path, const std::string& message);
    const std::u16string& path() const { return path_; }

private:
    std::u16string path_;
};

// "<action> "<path>": <the system's text for error_number>", e.g. Cannot open "/k/a.key": No such file.
IoError IoErrorFromErrno(std::string_view action, std::u16string_view path, int error_number);

}  // namespace sorvane
