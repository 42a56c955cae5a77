// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sorvane {

// The one error type of file and folder operations: its message names the file and the reason.
class IoError : public std::runtime_error {
public:
    IoError(std::filesystem::path path, const std::string& message);
    // The path exactly as the file system has it.
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// What was being done when a file or folder operation failed; each has its own wording.
enum class IoAction { kOpenFile, kReadFile, kWriteFile, kOpenFolder, kReadFolder, kCreateFolder };

// "<action> "<path as shown>": <reason>", e.g. Не удалось открыть файл "/k/a.key": No such file or directory.
IoError IoErrorWithReason(IoAction action, const std::filesystem::path& path, std::string_view reason);

// The same with the system's text for error_number as the reason.
IoError IoErrorFromErrno(IoAction action, const std::filesystem::path& path, int error_number);

// The reason given for a target that is a FIFO, a socket or a device.
inline constexpr std::string_view kNotARegularFile = "это не обычный файл";

}  // namespace sorvane
