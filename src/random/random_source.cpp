// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/random_source.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "random/os_entropy.h"

namespace sorvane {
namespace {

// Division of 32-bit numbers by a divisor fixed at run time, by one multiplication (Lemire, Kaser and
// Kurz, "Faster Remainder by Direct Computation"): exact for every 32-bit dividend.
class Divider {
public:
    explicit Divider(std::uint32_t d) : d_(d), magic_(~std::uint64_t{0} / d + 1) {}
    std::uint32_t operator()(std::uint32_t n) const {
#if defined(__SIZEOF_INT128__)
        __extension__ using U128 = unsigned __int128;
        return static_cast<std::uint32_t>((static_cast<U128>(magic_) * n) >> 64);
#else
        return n / d_;
#endif
    }

private:
    [[maybe_unused]] std::uint32_t d_;
    std::uint64_t magic_;
};

// Draws from the OS generator through a large buffer, so that one draw costs a few nanoseconds.
// Rejection sampling keeps every value equally likely (no modulo bias).
class OsRandomSource final : public RandomSource {
public:
    std::uint32_t Below(std::uint32_t m) override {
        if (m <= 1) return 0;
        if (m <= 256) {
            const unsigned limit = 256 - 256 % m;
            for (;;) {
                const unsigned b = NextByte();
                if (b < limit) return b % m;
            }
        }
        const std::uint64_t range = std::uint64_t{1} << 32;
        const std::uint64_t limit = range - range % m;
        for (;;) {
            const std::uint32_t word = NextWord();
            if (word < limit) return word % m;
        }
    }

    // Splits each accepted 32-bit word into as many base-m digits as it holds whole, so that a draw
    // costs about log2(m) bits of entropy instead of a byte or more.
    void FillBelow(std::uint32_t m, std::uint8_t* out, std::size_t count) override {
        if (m <= 1) {
            std::fill(out, out + count, std::uint8_t{0});
            return;
        }
        const std::uint64_t range = std::uint64_t{1} << 32;
        std::uint64_t block = m;
        int digits = 1;
        while (block * m <= range) {
            block *= m;
            ++digits;
        }
        const std::uint64_t limit = range - range % block;
        const Divider divide(m);
        std::size_t i = 0;
        while (i < count) {
            std::uint32_t word = NextWord();
            if (word >= limit) continue;
            const int take = count - i < static_cast<std::size_t>(digits) ? static_cast<int>(count - i) : digits;
            for (int k = 0; k < take; ++k) {
                const std::uint32_t quotient = divide(word);
                out[i++] = static_cast<std::uint8_t>(word - quotient * m);
                word = quotient;
            }
        }
    }

private:
    std::uint32_t NextWord() {
        if (buffer_.size() - next_ < 4) Refill();
        std::uint32_t word;
        std::memcpy(&word, buffer_.data() + next_, 4);
        next_ += 4;
        return word;
    }

    void Refill() {
        FillFromOsEntropy(buffer_.data(), buffer_.size());
        next_ = 0;
    }

    unsigned NextByte() {
        if (next_ == buffer_.size()) Refill();
        return buffer_[next_++];
    }

    std::array<unsigned char, 64 * 1024> buffer_{};
    std::size_t next_ = buffer_.size();
};

RandomSource& OsSource() {
    static OsRandomSource source;
    return source;
}

RandomSource* g_override = nullptr;

}  // namespace

std::uint32_t RandomBelow(std::uint32_t m) { return g_override ? g_override->Below(m) : OsSource().Below(m); }

void RandomFillBelow(std::uint32_t m, std::uint8_t* out, std::size_t count) {
    if (g_override) {
        g_override->FillBelow(m, out, count);
    } else {
        OsSource().FillBelow(m, out, count);
    }
}

ScopedRandomSource::ScopedRandomSource(RandomSource& source) : previous_(g_override) { g_override = &source; }

ScopedRandomSource::~ScopedRandomSource() { g_override = previous_; }

}  // namespace sorvane
