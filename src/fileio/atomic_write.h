// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace sorvane {

// Replaces the file's content with bytes so that the old content stays whole until the new one is
// on disk: a temporary file of a fresh random name in the same folder, created exclusively (never
// through a link, owner-only from the start), flushed, then renamed over the target. Temporary files
// of the target left by a writer that died are removed first. A new file is owner-only; an existing
// one keeps its owner (where allowed), mode and extended attributes; a symbolic link stays a link
// and its target is replaced. A file with more than one hard link, or in a folder we may not write,
// is overwritten in place instead. A read-only target, a folder and anything that is not a regular
// file (FIFO, socket, device) are refused. Two writers at once leave one whole content.
// Throws IoError naming path.
void AtomicWriteFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace sorvane
