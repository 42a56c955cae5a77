#pragma once

#include <string>

namespace sorvane {

// The window's settings file, from which the remembered master field is taken.
std::u16string WindowSettingsPath();

}  // namespace sorvane
