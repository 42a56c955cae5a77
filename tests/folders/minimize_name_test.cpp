// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/minimize_name.h"

#include <gtest/gtest.h>

namespace sorvane {
namespace {

// Fits when no longer than the given number of characters.
auto FitsIn(std::size_t width) {
    return [width](std::u16string_view text) { return text.size() <= width; };
}

TEST(MinimizeName, ReplacesLeadingFoldersStepByStep) {
    const struct {
        std::u16string path;
        PathStyle style;
        std::size_t width;
        std::u16string expected;
    } cases[] = {
        {u"C:\\data\\keys\\mail", PathStyle::kWindows, 100, u"C:\\data\\keys\\mail"},
        {u"C:\\data\\keys\\mail", PathStyle::kWindows, 16, u"C:\\...\\keys\\mail"},
        {u"C:\\data\\keys\\mail", PathStyle::kWindows, 11, u"C:\\...\\mail"},
        {u"C:\\data\\keys\\mail", PathStyle::kWindows, 8, u"...\\mail"},
        {u"C:\\data\\keys\\mail", PathStyle::kWindows, 3, u"mail"},
        {u"/home/user/keys", PathStyle::kPosix, 14, u"/.../user/keys"},
        {u"/home/user/keys", PathStyle::kPosix, 9, u"/.../keys"},
        {u"/home/user/keys", PathStyle::kPosix, 8, u".../keys"},
        {u"/", PathStyle::kPosix, 0, u"/"},
    };
    for (const auto& c : cases) EXPECT_EQ(MinimizeName(c.path, FitsIn(c.width), c.style), c.expected);
}

}  // namespace
}  // namespace sorvane
