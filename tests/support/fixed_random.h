// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "random/random_source.h"

namespace sorvane::test_support {

// Hands out the given values in a cycle (each reduced below m) and counts the draws.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(std::vector<std::uint32_t> values) : values_(std::move(values)) {}
    std::uint32_t Below(std::uint32_t m) override {
        const std::uint32_t v = values_[draws_ % values_.size()];
        ++draws_;
        return v % m;
    }
    std::size_t draws() const { return draws_; }

private:
    std::vector<std::uint32_t> values_;
    std::size_t draws_ = 0;
};

}  // namespace sorvane::test_support
