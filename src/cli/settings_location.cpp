#include "cli/settings_location.h"

#include "folders/program_directory.h"

namespace sorvane {

// The window keeps "sorvane.ini" beside itself, and sorvane-cli is installed (and built) beside the window.
std::u16string WindowSettingsPath() { return ProgramDirectory() + u"sorvane.ini"; }

}  // namespace sorvane
