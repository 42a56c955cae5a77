// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/font_config_preload.h"

#ifdef SORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <system_error>

namespace sorvane {

FontConfigPreload::FontConfigPreload() {
#ifdef SORVANE_HAVE_FONTCONFIG
    try {
        // FcInit is thread-safe: a second caller gets the same configuration.
        loader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt loads the configuration itself when it first needs it.
    }
#endif
}

FontConfigPreload::~FontConfigPreload() { Wait(); }

void FontConfigPreload::Wait() {
    if (loader_.joinable()) loader_.join();
}

}  // namespace sorvane
