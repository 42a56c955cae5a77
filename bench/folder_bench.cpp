// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a folder of 100,000 ".key" files in the file list until it is filled and sorted, against
// `ls -f` (unsorted) and `ls` (sorted) of the same folder in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "command_timing.h"
#include "support/temp_dir.h"
#include "text/unicode.h"
#include "ui/panel/file_list_box.h"

namespace {

constexpr int kFiles = 100000;

// The folder of key files, made on first use and removed at exit.
class KeysFolder {
public:
    KeysFolder() {
        for (int i = 0; i < kFiles; ++i)
            std::ofstream(folder_ / ("key-" + std::to_string((i * 7919) % kFiles) + ".key")) << "x\r\n";
    }
    const std::filesystem::path& path() const { return folder_.path(); }

private:
    sorvane::test_support::TempDir folder_;
};

const std::filesystem::path& Folder() {
    static const KeysFolder folder;
    return folder.path();
}

void BM_FileList_Open100kFolder(benchmark::State& state) {
    const std::u16string folder = sorvane::Utf8ToUtf16(Folder().string());
    double total = 0;
    for (auto _ : state) {
        sorvane::FileListBox list;
        const auto start = std::chrono::steady_clock::now();
        list.PointAt(folder);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (list.Names().rowCount() != kFiles) state.SkipWithError("not every file listed");
    }
    const double ours = total / static_cast<double>(state.iterations());
    const double ls_f = sorvane::bench::MedianSecondsOf("ls -f '" + Folder().string() + "' > /dev/null");
    const double ls = sorvane::bench::MedianSecondsOf("ls '" + Folder().string() + "' > /dev/null");
    state.counters["ours_ms"] = ours * 1e3;
    state.counters["ls_f_ms"] = ls_f * 1e3;
    state.counters["ls_ms"] = ls * 1e3;
}
BENCHMARK(BM_FileList_Open100kFolder)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
