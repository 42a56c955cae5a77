// ReadKeyLine over arbitrary file contents: the line up to the first CR, LF or 0x1A, decoded.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "keystore/key_file.h"
#include "text/unicode.h"
#include "text/windows1251.h"

namespace {

const std::string& FilePath() {
    static const std::string path = [] {
        std::string pattern = "/tmp/sorvane-fuzz-XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        ::close(fd);
        return pattern;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    FILE* file = std::fopen(FilePath().c_str(), "wb");
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
    const std::u16string line = sorvane::ReadKeyLine(sorvane::Utf8ToUtf16(FilePath()));
    const std::string expected = content.substr(0, content.find_first_of(std::string("\r\n\x1a", 3)));
    if (line != sorvane::DecodeWindows1251(expected)) std::abort();
    return 0;
}
