// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace sorvane {

// Loads fontconfig's configuration and font cache on a second thread while Qt connects to the
// display: the first text Qt lays out would otherwise wait for it, the largest single cost of a
// start. Where the program is built without fontconfig, there is nothing to load.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    // Before the first font Qt looks up, so that it finds the configuration loaded once.
    void Wait();

private:
    std::thread loader_;
};

}  // namespace sorvane
