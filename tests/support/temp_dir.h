// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace sorvane::test_support {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
// The one such helper for the tests and the benchmarks alike.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // A path below the folder as the core takes it.
    std::u16string U16(const std::string& name = "") const;

private:
    std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& path);

}  // namespace sorvane::test_support
