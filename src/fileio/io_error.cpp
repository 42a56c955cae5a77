// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/io_error.h"

#include <locale.h>
#include <string.h>

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
        case IoAction::kCreateFolder:
            return "Не удалось создать папку";
    }
    return "Ошибка файла";
}

// The system's reason in the language of the process's locale (the window sets the user's), in
// UTF-8 like the rest of the message whatever that locale's character set.
std::string SystemReason(int error_number) {
    const locale_t current = duplocale(LC_GLOBAL_LOCALE);
    const locale_t utf8 = current != locale_t{} ? newlocale(LC_CTYPE_MASK, "C.UTF-8", current) : locale_t{};
    if (utf8 == locale_t{}) {
        if (current != locale_t{}) freelocale(current);
        return std::generic_category().message(error_number);
    }
    std::string reason = strerror_l(error_number, utf8);
    freelocale(utf8);
    return reason;
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
    return IoErrorWithReason(action, path, SystemReason(error_number));
}

}  // namespace sorvane
