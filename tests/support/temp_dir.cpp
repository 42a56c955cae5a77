// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_dir.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "text/unicode.h"

namespace sorvane::test_support {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sorvane-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
}

TempDir::~TempDir() {
    // Give back write access that a test took away, so that everything can go.
    std::error_code ignored;
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
        if (it->is_directory(ignored) && !it->is_symlink(ignored)) ::chmod(it->path().c_str(), 0700);
    ::chmod(path_.c_str(), 0700);
    std::filesystem::remove_all(path_, ignored);
}

std::u16string TempDir::U16(const std::string& name) const {
    return Utf8ToUtf16(name.empty() ? path_.string() : (path_ / name).string());
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace sorvane::test_support
