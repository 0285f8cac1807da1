// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cstdint>

// SplitMix64: spreads a seed over the state of the generator below, and makes independent
// seeds from a seed and a number.
constexpr std::uint64_t SplitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// xoshiro256**, a small fast generator with a 2^256 period: one stream per block of
// simulated tournaments.
class RandomStream {
  public:
    explicit constexpr RandomStream(std::uint64_t seed) {
        for (std::uint64_t& word : s_)
            word = SplitMix64(seed);
    }

    constexpr std::uint64_t Next() {
        const std::uint64_t result = std::rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = std::rotl(s_[3], 45);
        return result;
    }

  private:
    std::array<std::uint64_t, 4> s_{};
};
