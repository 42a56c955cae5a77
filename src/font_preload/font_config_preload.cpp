// SPDX-License-Identifier: GPL-3.0-or-later
#include "font_preload/font_config_preload.h"

#ifdef SORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <clocale>
#include <system_error>

namespace sorvane {

#ifdef SORVANE_HAVE_FONTCONFIG
namespace {

bool HasCacheFolder(FcConfig* config) {
    FcStrList* folders = FcConfigGetCacheDirs(config);
    if (folders == nullptr) return false;
    const bool any = FcStrListNext(folders) != nullptr;
    FcStrListDone(folders);
    return any;
}

// The user's configuration and fonts, as FcInit loads them, without what FcInit also does: parse
// every template in conf.avail, enabled or not, for tools that list them (fc-conflist), which is
// two fifths of its work. Anything unusual (a configuration that does not load, or names no
// cache folder) is left to FcInit, with its fallbacks.
void LoadFontConfiguration() {
    FcConfig* config = FcConfigCreate();
    if (config != nullptr && FcConfigParseAndLoad(config, nullptr, FcTrue) && HasCacheFolder(config) &&
        FcConfigBuildFonts(config) && FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);  // the current configuration holds its own reference
        return;
    }
    if (config != nullptr) FcConfigDestroy(config);
    FcInit();
}

}  // namespace
#endif

FontConfigPreload::FontConfigPreload() {
#ifdef SORVANE_HAVE_FONTCONFIG
    // Qt sets the user's locale as the application starts, while this thread reads the numbers in
    // fontconfig's files by the locale's decimal point: set first, it does not change under them.
    std::setlocale(LC_ALL, "");
    try {
        loader_ = std::thread(LoadFontConfiguration);
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
