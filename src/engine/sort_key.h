// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

// Points first, then goal difference, then goals scored. The terms are added in
// 32-bit arithmetic that wraps rather than traps: outside a goal difference of
// -49..49 or 100 goals the goal terms can outweigh points, and that order is then
// the one the tables show.
constexpr std::int32_t SortKey(std::int32_t punten, std::int32_t voor, std::int32_t tegen) {
    const auto wrap = [](std::int64_t v) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
    };
    const std::int32_t diff = wrap(std::int64_t{voor} - tegen);
    return wrap(std::int64_t{punten} * 10000 + std::int64_t{diff} * 100 + voor);
}

// Goal counts add up in 32 bits and wrap like the sort key: scores held in memory
// are not limited to what the results file can store, and must not overflow.
constexpr void WrapAdd(std::int32_t& field, std::int32_t goals) {
    field = static_cast<std::int32_t>(static_cast<std::uint32_t>(field) +
                                      static_cast<std::uint32_t>(goals));
}

// Puts the first `count` teams in order of their keys, largest first, moving each
// key with its team. A selection sort: of several equal largest keys the first
// wins, so exact ties keep the order the teams came in.
template <std::size_t N>
constexpr void SortByKey(std::array<std::int32_t, N>& keys, std::array<std::int32_t, N>& teams,
                         int count) {
    for (int p = 0; p < count - 1; ++p) {
        int b = p;
        for (int q = p; q < count; ++q)
            if (keys[q] > keys[b])
                b = q;
        std::swap(keys[p], keys[b]);
        std::swap(teams[p], teams[b]);
    }
}
