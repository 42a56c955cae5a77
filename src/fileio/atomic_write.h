#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Replaces the file's content with bytes so that the old content stays whole until the new one is
// on disk: a temporary file in the same folder, flushed, then renamed over the target. A leftover
// temporary file from an interrupted write is reused and so cleaned up by the next write.
// A new file is created owner-only; an existing one keeps its permissions; a symbolic link stays a
// link and its target is replaced. A read-only target is refused. Throws IoError naming path.
void AtomicWriteFile(std::u16string_view path, std::string_view bytes);

// The temporary file's path for a target path: the target's folder, a name derived from its own.
std::u16string TemporaryPathFor(std::u16string_view target);

}  // namespace sorvane
