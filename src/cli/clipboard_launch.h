// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace sorvane {

// Starts a clipboard server (sorvane-cli-x11-clipboard on plain X11, sorvane-cli-clipboard
// otherwise) with the key and returns as soon as the
// clipboard holds it; the server lives on in the background until another program takes the
// clipboard or clear_seconds pass. Throws CliFailure: kIo when there is no display or the server
// cannot start, or the server's own code when it fails (it has told why on standard error).
void PutOnClipboard(std::string_view key, std::optional<int> clear_seconds);

}  // namespace sorvane
