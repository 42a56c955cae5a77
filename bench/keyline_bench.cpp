// SPDX-License-Identifier: GPL-3.0-or-later
// ReadKeyLine on large files: a 100 MB file without a line break (time and peak memory against the
// line's UTF-16 size) and a 1 GB file whose first line is 20 characters (only the first block is read).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "command_timing.h"
#include "keystore/key_file.h"
#include "support/temp_dir.h"
#include "text/unicode.h"

namespace {

long PeakResidentKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

const sorvane::test_support::TempDir& Folder() {
    static const sorvane::test_support::TempDir folder;
    return folder;
}

// A file of `size` bytes: `first_line` then CR LF, then filler; or filler only when first_line is empty.
std::string MakeFile(const std::string& name, const std::string& first_line, std::size_t size, bool sparse) {
    const std::string path = (Folder() / name).string();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string head = first_line.empty() ? "" : first_line + "\r\n";
    if (::write(fd, head.data(), head.size()) < 0) std::abort();
    if (sparse) {
        if (::ftruncate(fd, static_cast<off_t>(size)) != 0) std::abort();
    } else {
        const std::string chunk(1 << 20, 'x');
        for (std::size_t written = head.size(); written < size; written += chunk.size())
            if (::write(fd, chunk.data(), std::min(chunk.size(), size - written)) < 0) std::abort();
    }
    ::close(fd);
    return path;
}

void BM_ReadKeyLine_100MB_NoLineBreak(benchmark::State& state) {
    constexpr std::size_t kSize = 100 * 1000 * 1000;
    const std::u16string path = sorvane::Utf8ToUtf16(MakeFile("no-break.key", "", kSize, false));
    const long before = PeakResidentKiB();
    for (auto _ : state) {
        const std::u16string line = sorvane::ReadKeyLine(path);
        if (line.size() != kSize) state.SkipWithError("wrong length");
    }
    const double line_bytes = kSize * sizeof(char16_t);
    state.counters["peak_growth_MB"] = (PeakResidentKiB() - before) * 1024.0 / 1e6;
    state.counters["peak_vs_line"] = (PeakResidentKiB() - before) * 1024.0 / line_bytes;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
    state.counters["head_n1_ms"] =
        sorvane::bench::MedianSecondsOf("head -n1 '" + sorvane::Utf16ToUtf8(path) + "' > /dev/null") * 1e3;
}
BENCHMARK(BM_ReadKeyLine_100MB_NoLineBreak)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReadKeyLine_1GB_ShortFirstLine(benchmark::State& state) {
    const std::u16string path =
        sorvane::Utf8ToUtf16(MakeFile("big.key", "twenty-characters-01", 1000ull * 1000 * 1000, true));
    for (auto _ : state) benchmark::DoNotOptimize(sorvane::ReadKeyLine(path));
    state.counters["head_n1_ms"] =
        sorvane::bench::MedianSecondsOf("head -n1 '" + sorvane::Utf16ToUtf8(path) + "' > /dev/null") * 1e3;
}
BENCHMARK(BM_ReadKeyLine_1GB_ShortFirstLine)->Unit(benchmark::kMicrosecond);

}  // namespace
