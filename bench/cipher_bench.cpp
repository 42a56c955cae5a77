// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of the built-in chain on a 1 MiB text (512 Ki UTF-16 code units). Bytes are the
// input's UTF-16 bytes; items are its characters (one byte each once stored in a key file).
#include <benchmark/benchmark.h>

#include <random>

#include "cipher/builtin_chain.h"
#include "cipher/symbol_table.h"

namespace {

std::u16string TableText(std::size_t length) {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> pick(1, sorvane::kSymbolCount);
    std::u16string text(length, u' ');
    for (auto& ch : text) ch = sorvane::SymbolAt(pick(rng));
    return text;
}

constexpr std::size_t kLength = 1 << 19;

void CountInput(benchmark::State& state, std::size_t characters) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * characters * sizeof(char16_t)));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * characters));
}

void BM_Passway(benchmark::State& state) {
    const std::u16string text = TableText(kLength);
    for (auto _ : state) benchmark::DoNotOptimize(sorvane::Passway(text));
    CountInput(state, kLength);
}
BENCHMARK(BM_Passway)->Unit(benchmark::kMillisecond);

void BM_Depassway(benchmark::State& state) {
    // An encoded text of 1 MiB, as Passway makes it from a shorter plain text.
    std::u16string encoded = sorvane::Passway(TableText(kLength / 5));
    encoded.resize(kLength);
    for (auto _ : state) benchmark::DoNotOptimize(sorvane::Depassway(encoded));
    CountInput(state, encoded.size());
}
BENCHMARK(BM_Depassway)->Unit(benchmark::kMillisecond);

}  // namespace
