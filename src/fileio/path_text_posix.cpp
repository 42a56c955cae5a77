#include "fileio/path_text.h"

#include "text/unicode.h"
#include "text/windows1251.h"

namespace sorvane {

std::filesystem::path PathFromText(std::u16string_view text) { return std::filesystem::path(Utf16ToUtf8(text)); }

std::u16string DisplayText(const std::filesystem::path& path) {
    const std::string& bytes = path.native();
    return IsValidUtf8(bytes) ? Utf8ToUtf16(bytes) : DecodeWindows1251(bytes);
}

bool IsTextPath(const std::filesystem::path& path) { return IsValidUtf8(path.native()); }

}  // namespace sorvane
