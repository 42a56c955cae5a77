// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace sorvane {

// How sorvane-cli talks to its clipboard server: the key comes on the server's standard input up to
// its end (never in the arguments or the environment, which other users can read); the server
// writes kClipboardReady on its standard output once the clipboard holds the key, then lets go of
// its output and error streams. Before that, it tells what went wrong on standard error and exits
// with an ExitCode. Its only argument: --clear SECONDS.
inline constexpr char kClipboardReady = 'R';
// Two servers speak it: the Qt Gui one for every platform, and a libxcb one that starts far faster
// for plain X11.
inline constexpr std::u16string_view kClipboardServerName = u"sorvane-cli-clipboard";
inline constexpr std::u16string_view kX11ClipboardServerName = u"sorvane-cli-x11-clipboard";

}  // namespace sorvane
