// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_values.h"

#include <limits>

namespace sorvane {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return 99;
}

}  // namespace

std::u16string_view TrimIniBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<int> ParseIniInteger(std::u16string_view value) {
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    bool negative = false;
    if (!value.empty() && (value.front() == u'-' || value.front() == u'+')) {
        negative = value.front() == u'-';
        value.remove_prefix(1);
    }
    int base = 10;
    if (!value.empty() && (value.front() == u'$' || value.front() == u'x' || value.front() == u'X')) {
        base = 16;
        value.remove_prefix(1);
    } else if (value.size() >= 2 && value[0] == u'0' && (value[1] == u'x' || value[1] == u'X')) {
        base = 16;
        value.remove_prefix(2);
    }
    if (value.empty()) return std::nullopt;
    long long magnitude = 0;
    for (char16_t c : value) {
        const int digit = DigitValue(c);
        if (digit >= base) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
    }
    const long long result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return std::nullopt;
    return static_cast<int>(result);
}

std::u16string QuoteIniValue(std::u16string_view value) {
    const bool needs_quotes = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                                                 value.front() == u'"' || value.back() == u'"');
    if (!needs_quotes) return std::u16string(value);
    return u"\"" + std::u16string(value) + u"\"";
}

std::u16string UnquoteIniValue(std::u16string_view raw) {
    std::u16string_view value = TrimIniBlanks(raw);
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"') value = value.substr(1, value.size() - 2);
    return std::u16string(value);
}

}  // namespace sorvane
