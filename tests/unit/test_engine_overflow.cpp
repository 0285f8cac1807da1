// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixture.h"

#include <algorithm>
#include <limits>

namespace {

// Scores in memory are not limited to a byte: goal counts must wrap, not overflow,
// in the table and in the mutual league (the sanitizer build traps an overflow).
TEST_F(WindowTest, HugeScoresWrapInsteadOfOverflowing) {
    constexpr int kHuge = std::numeric_limits<std::int32_t>::max();
    Result(0, kHuge, kHuge);  // England - Switzerland
    Result(12, kHuge, kHuge); // Scotland - England
    Result(19, kHuge, kHuge); // Netherlands - England
    window.BerekenStand();

    TPoel sorted = window.PoelA;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (TPoel{0, 1, 2, 3}));
    EXPECT_EQ(window.Ploeg[0].punten, 3);
    EXPECT_EQ(window.Ploeg[0].gelijk, 3);
}

} // namespace
