// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/result_history.h"

#include <utility>

void ResultHistory::Record(Step step) {
    steps_.resize(done_);
    // The saved state was among the steps thrown away: nothing leads back to it now.
    if (saved_ && *saved_ > done_)
        saved_.reset();
    steps_.push_back(std::move(step));
    if (steps_.size() > kMaxSteps) {
        steps_.erase(steps_.begin());
        if (saved_)
            saved_ = *saved_ == 0 ? std::nullopt : std::optional(*saved_ - 1);
    }
    done_ = steps_.size();
}

const ResultHistory::Step* ResultHistory::Undo() {
    if (done_ == 0)
        return nullptr;
    return &steps_[--done_];
}

const ResultHistory::Step* ResultHistory::Redo() {
    if (done_ == steps_.size())
        return nullptr;
    return &steps_[done_++];
}

void ResultHistory::Restart() {
    steps_.clear();
    done_ = 0;
    saved_.reset();
}
