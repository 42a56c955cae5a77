// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace sorvane::bench {

// The median wall time of a shell command over several runs, for side-by-side figures with the
// command-line tools a user would otherwise use for the same step. Includes the shell's start.
inline double MedianSecondsOf(const std::string& command, int runs = 5) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) std::abort();
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace sorvane::bench
