#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// The settings file's bytes as text: UTF-8 (a leading byte order mark skipped), or Windows-1251 when
// the bytes are not valid UTF-8 (a file written by hand or by an older version).
std::u16string DecodeSettingsText(std::string_view bytes);

}  // namespace sorvane
