// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game.h"
#include "data/tables.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

using Matches = std::array<Game, kMatches>;

// Undo and redo of changes to the results. Each step keeps the matches before and
// after it, and the current match with them, so undoing a step restores exactly what
// it changed. The history knows which step the results file holds, so that undoing
// back to what was saved leaves nothing unsaved.
class ResultHistory {
  public:
    struct State {
        Matches matches{};
        int currentMatch = 0;
    };
    struct Step {
        State before;
        State after;
        std::string what; // for the status bar: "the result 2-1 of England - Switzerland"
    };

    // A change made: the steps undone before it can no longer be redone.
    void Record(Step step);
    // The step to undo or redo, its state to be put back; nullptr when there is none.
    const Step* Undo();
    const Step* Redo();

    // The results as they are now are the ones in the results file.
    void MarkSaved() { saved_ = done_; }
    // Results came from elsewhere (restored from an earlier run): no step leads back to
    // the file's results, and the steps before cannot be undone.
    void Restart();
    // The results differ from the saved ones.
    bool Unsaved() const { return saved_ != done_; }

  private:
    // Enough for a whole tournament typed in twice over; the oldest steps go first.
    static constexpr std::size_t kMaxSteps = 200;

    std::vector<Step> steps_;
    std::size_t done_ = 0;                 // steps_[0, done_) are in effect
    std::optional<std::size_t> saved_ = 0; // steps in effect when the file was written
};
