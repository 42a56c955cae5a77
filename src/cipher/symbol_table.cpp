// SPDX-License-Identifier: GPL-3.0-or-later
#include "cipher/symbol_table.h"

namespace sorvane {
namespace {

constexpr std::u16string_view kTable =
    u" !\"#$%&()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~\x7f"
    u"\u040e\u045e\u00a4\u0401\u0404\u0407\u00b0\u00b7\u0451\u2116\u0454\u0457"
    u"\u0410\u0411\u0412\u0413\u0414\u0415\u0416\u0417\u0418\u0419\u041a\u041b\u041c\u041d\u041e\u041f"
    u"\u0420\u0421\u0422\u0423\u0424\u0425\u0426\u0427\u0428\u0429\u042a\u042b\u042c\u042d\u042e\u042f"
    u"\u0430\u0431\u0432\u0433\u0434\u0435\u0436\u0437\u0438\u0439\u043a\u043b\u043c\u043d\u043e\u043f"
    u"\u0440\u0441\u0442\u0443\u0444\u0445\u0446\u0447\u0448\u0449\u044a\u044b\u044c\u044d\u044e\u044f";
static_assert(kTable.size() == kSymbolCount);

constexpr detail::PositionTable MakePositions() {
    detail::PositionTable table{};
    for (std::size_t i = 0; i < kTable.size(); ++i) table.position[kTable[i]] = static_cast<unsigned char>(i + 1);
    return table;
}

constexpr std::array<char16_t, kSymbolCount + 1> MakeSymbols() {
    std::array<char16_t, kSymbolCount + 1> symbols{};
    for (std::size_t i = 0; i < kTable.size(); ++i) symbols[i + 1] = kTable[i];
    return symbols;
}

template <typename Wrap>
constexpr std::array<char16_t, 2 * kSymbolCount + 1> MakeWrapped(int first, Wrap wrap) {
    const auto symbols = MakeSymbols();
    std::array<char16_t, 2 * kSymbolCount + 1> wrapped{};
    for (int i = 0; i < static_cast<int>(wrapped.size()); ++i) wrapped[i] = symbols[wrap(first + i)];
    return wrapped;
}

}  // namespace

const std::u16string_view SymbolTable = kTable;
constinit const detail::PositionTable detail::kPositions = MakePositions();
constinit const std::array<char16_t, kSymbolCount + 1> detail::kSymbols = MakeSymbols();
constinit const std::array<char16_t, 2 * kSymbolCount + 1> detail::kSymbolOfSum =
    MakeWrapped(0, [](int c) { return WrapDown(c); });
constinit const std::array<char16_t, 2 * kSymbolCount + 1> detail::kSymbolOfDifference =
    MakeWrapped(-kSymbolCount, [](int c) { return WrapUp(c); });

std::u16string asciistr(int i1) {
    if (i1 < 0 || i1 > kSymbolCount) return {};
    return std::u16string(1, SymbolAt(i1));
}

int asciiint(std::u16string_view str) { return str.empty() ? 0 : PositionOf(str.front()); }

}  // namespace sorvane
