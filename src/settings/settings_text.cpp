#include "settings/settings_text.h"

#include "text/unicode.h"
#include "text/windows1251.h"

namespace sorvane {

std::u16string DecodeSettingsText(std::string_view bytes) {
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) bytes.remove_prefix(kUtf8Bom.size());
    return IsValidUtf8(bytes) ? Utf8ToUtf16(bytes) : DecodeWindows1251(bytes);
}

}  // namespace sorvane
