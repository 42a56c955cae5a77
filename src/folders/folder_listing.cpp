// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/folder_listing.h"

#include <algorithm>

#include "text/case_folding.h"

namespace sorvane {
namespace {

bool MatchFrom(std::u16string_view name, std::u16string_view mask) {
    // Iterative glob with one backtrack point: linear in practice, no recursion on hostile masks.
    std::size_t n = 0, m = 0, star = std::u16string_view::npos, resume = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == u'?' || FoldCase(mask[m]) == FoldCase(name[n]))) {
            ++n, ++m;
        } else if (m < mask.size() && mask[m] == u'*') {
            star = m++;
            resume = n;
        } else if (star != std::u16string_view::npos) {
            m = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*') ++m;
    return m == mask.size();
}

}  // namespace

bool MatchesMask(std::u16string_view name, std::u16string_view mask) {
    if (mask == u"*.*") return true;
    return MatchFrom(name, mask);
}

int CompareListOrder(std::u16string_view a, std::u16string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t fa = FoldCase(a[i]), fb = FoldCase(b[i]);
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

bool ListOrderLess(std::u16string_view a, std::u16string_view b) { return CompareListOrder(a, b) < 0; }

}  // namespace sorvane
