// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/case_folding.h"

namespace sorvane {

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

}  // namespace sorvane
