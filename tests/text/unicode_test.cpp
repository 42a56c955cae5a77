// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/unicode.h"

#include <gtest/gtest.h>

namespace sorvane {
namespace {

TEST(Unicode, RoundTripsAllPlanes) {
    const std::u16string text = u"a\u00e9\u0416\u4e2d\U0001F600\uffff";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    EXPECT_EQ(Utf16ToUtf8(u"Ключ"), "\xD0\x9A\xD0\xBB\xD1\x8E\xD1\x87");
}

TEST(Unicode, MalformedInputBecomesReplacementCharacters) {
    const struct {
        std::string bytes;
        bool valid;
        std::u16string decoded;
    } cases[] = {
        {"plain", true, u"plain"},
        {"\xC0\xAF", false, u"\ufffd\ufffd"},            // overlong
        {"\xED\xA0\x80", false, u"\ufffd\ufffd\ufffd"},  // encoded surrogate
        {"\xE2\x82", false, u"\ufffd\ufffd"},            // cut short
        {"\xFF", false, u"\ufffd"},
        {"\xCA\xEB\xFE\xF7", false, u"\ufffd\ufffd\ufffd\ufffd"},  // Windows-1251 text
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
        EXPECT_EQ(Utf8ToUtf16(c.bytes), c.decoded) << c.bytes;
    }
    EXPECT_EQ(Utf16ToUtf8(u"a\xdc00"), "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace sorvane
