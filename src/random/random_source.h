// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace sorvane {

// A source of uniform integers. The process has one shared source; the cipher's random insertion
// and the password generator both draw from it, always on the GUI thread.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform integer in [0, m); m must be at least 1.
    virtual std::uint32_t Below(std::uint32_t m) = 0;
    // Fills out[0..count) with independent uniform values in [0, m); m from 1 to 256.
    virtual void FillBelow(std::uint32_t m, std::uint8_t* out, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<std::uint8_t>(Below(m));
    }
};

// Uniform integer in [0, m) from the shared source (the OS cryptographic generator unless overridden).
std::uint32_t RandomBelow(std::uint32_t m);
// Many uniform values in [0, m), m from 1 to 256, from the shared source.
void RandomFillBelow(std::uint32_t m, std::uint8_t* out, std::size_t count);

// Puts another source in place of the shared one for its lifetime (tests use a deterministic one).
class ScopedRandomSource {
public:
    explicit ScopedRandomSource(RandomSource& source);
    ~ScopedRandomSource();
    ScopedRandomSource(const ScopedRandomSource&) = delete;
    ScopedRandomSource& operator=(const ScopedRandomSource&) = delete;

private:
    RandomSource* previous_;
};

}  // namespace sorvane
