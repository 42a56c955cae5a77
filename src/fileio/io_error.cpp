#include "fileio/io_error.h"

#include <system_error>

#include "fileio/path_text.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

std::string_view ActionText(IoAction action) {
    switch (action) {
        case IoAction::kOpenFile:
            return "Не удалось открыть файл";
        case IoAction::kReadFile:
            return "Не удалось прочитать файл";
        case IoAction::kWriteFile:
            return "Не удалось записать файл";
        case IoAction::kOpenFolder:
            return "Не удалось открыть папку";
        case IoAction::kReadFolder:
            return "Не удалось прочитать папку";
    }
    return "Ошибка файла";
}

}  // namespace

IoError::IoError(std::filesystem::path path, const std::string& message)
    : std::runtime_error(message), path_(std::move(path)) {}

IoError IoErrorWithReason(IoAction action, const std::filesystem::path& path, std::string_view reason) {
    std::string message(ActionText(action));
    message += " \"" + Utf16ToUtf8(DisplayText(path)) + "\": ";
    message += reason;
    return IoError(path, message);
}

IoError IoErrorFromErrno(IoAction action, const std::filesystem::path& path, int error_number) {
    return IoErrorWithReason(action, path, std::generic_category().message(error_number));
}

}  // namespace sorvane
