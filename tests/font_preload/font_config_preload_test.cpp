// SPDX-License-Identifier: GPL-3.0-or-later
#include "font_preload/font_config_preload.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <set>
#include <string>

#include "support/temp_dir.h"

namespace sorvane {
namespace {

using ConfigPtr = std::unique_ptr<FcConfig, decltype(&FcConfigDestroy)>;
using PatternPtr = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

std::set<std::string> Strings(FcStrList* list) {
    std::set<std::string> strings;
    if (list == nullptr) return strings;
    while (const FcChar8* text = FcStrListNext(list)) strings.emplace(reinterpret_cast<const char*>(text));
    FcStrListDone(list);
    return strings;
}

std::set<std::string> FontFiles(FcConfig* config) {
    std::set<std::string> files;
    const FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
    for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) == FcResultMatch) {
            files.emplace(reinterpret_cast<const char*>(file));
        }
    }
    return files;
}

// What the configuration's rules make of a request, and the font it then picks: the same text for
// two configurations means the same rules.
std::string Resolved(FcConfig* config, const char* request) {
    PatternPtr pattern(FcNameParse(reinterpret_cast<const FcChar8*>(request)), FcPatternDestroy);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(config, pattern.get(), &result), FcPatternDestroy);
    std::unique_ptr<FcChar8, decltype(&free)> substituted(FcNameUnparse(pattern.get()), free);
    std::unique_ptr<FcChar8, decltype(&free)> matched(match ? FcNameUnparse(match.get()) : nullptr, free);
    return std::string(reinterpret_cast<const char*>(substituted.get())) + " -> " +
           (matched ? reinterpret_cast<const char*>(matched.get()) : "no match");
}

// The configuration files a configuration knows of that it did not load: FcInit also reads every
// template in conf.avail, enabled or not; the preload does not.
int FilesNotLoaded(FcConfig* config) {
    int count = 0;
    FcConfigFileInfoIter files;
    FcConfigFileInfoIterInit(config, &files);
    do {
        FcChar8* name = nullptr;
        FcChar8* description = nullptr;
        FcBool enabled = FcFalse;
        if (FcConfigFileInfoIterGet(config, &files, &name, &description, &enabled)) {
            if (!enabled) ++count;
            FcStrFree(name);
            FcStrFree(description);
        }
    } while (FcConfigFileInfoIterNext(config, &files));
    return count;
}

TEST(FontConfigPreload, LoadsTheConfigurationFcInitLoads) {
    // A cache fontconfig may write goes to a temporary folder.
    test_support::TempDir cache;
    ASSERT_EQ(setenv("XDG_CACHE_HOME", cache.path().c_str(), 1), 0);

    FontConfigPreload preload;
    preload.Wait();
    FcConfig* loaded = FcConfigGetCurrent();
    ConfigPtr reference(FcInitLoadConfigAndFonts(), FcConfigDestroy);
    ASSERT_NE(loaded, nullptr);
    ASSERT_NE(reference, nullptr);
    ASSERT_NE(loaded, reference.get());

    EXPECT_EQ(FontFiles(loaded), FontFiles(reference.get()));
    EXPECT_FALSE(FontFiles(loaded).empty());
    EXPECT_EQ(Strings(FcConfigGetFontDirs(loaded)), Strings(FcConfigGetFontDirs(reference.get())));
    EXPECT_EQ(Strings(FcConfigGetCacheDirs(loaded)), Strings(FcConfigGetCacheDirs(reference.get())));
    for (const char* request : {"Tahoma:pixelsize=11", "sans-serif:pixelsize=12", "monospace:bold", "serif:lang=ru"}) {
        EXPECT_EQ(Resolved(loaded, request), Resolved(reference.get(), request)) << request;
    }
    EXPECT_EQ(FilesNotLoaded(loaded), 0);
    // Qt asks for the current configuration as FcInit leaves it: it is not loaded a second time.
    EXPECT_EQ(FcInit(), FcTrue);
    EXPECT_EQ(FcConfigGetCurrent(), loaded);
    // Releasing the current configuration frees it once: the preload let go of its own reference.
    reference.reset();
    FcFini();
}

}  // namespace
}  // namespace sorvane
