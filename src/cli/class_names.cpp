// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/class_names.h"

namespace sorvane {
namespace {

// One class box: which of its two halves were named, and the items that stand for them.
struct BoxChoice {
    bool first = false;
    bool second = false;
    std::u16string_view both, first_only, second_only;

    std::u16string_view Item() const {
        if (first && second) return both;
        if (first) return first_only;
        if (second) return second_only;
        return u"Ничего";
    }
};

}  // namespace

std::optional<ClassChoice> ParseClassNames(std::string_view list) {
    BoxChoice english{false, false, u"Английские", u"Заглавные", u"Строчные"};
    BoxChoice russian{false, false, u"Русские", u"Заглавные", u"Строчные"};
    BoxChoice digits{false, false, u"Циф.+Знаки", u"Цифры", u"Знаки"};
    const struct {
        std::string_view name;
        BoxChoice* box;
        bool first, second;
    } names[] = {
        {"latin", &english, true, true},          {"latin-upper", &english, true, false},
        {"latin-lower", &english, false, true},   {"russian", &russian, true, true},
        {"russian-upper", &russian, true, false}, {"russian-lower", &russian, false, true},
        {"digits", &digits, true, false},         {"signs", &digits, false, true},
        {"none", nullptr, false, false},
    };
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view name = list.substr(start, comma == std::string_view::npos ? comma : comma - start);
        bool known = false;
        for (const auto& entry : names) {
            if (entry.name != name) continue;
            known = true;
            if (entry.box == nullptr) break;
            entry.box->first |= entry.first;
            entry.box->second |= entry.second;
        }
        if (!known) return std::nullopt;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return ClassChoice{english.Item(), russian.Item(), digits.Item()};
}

}  // namespace sorvane
