// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the frame description that need no toolkit: the frame's constructor and
// the look-up of a command's hint.
#include "platform/frame.h"

TDecoratedFrame::TDecoratedFrame(TWindow*, std::string_view title, std::unique_ptr<TWindow> client,
                                 bool trackMenuSelection)
    : title_(title), client_(std::move(client)), trackMenuSelection_(trackMenuSelection) {}

std::string_view TDecoratedFrame::Hint(int id) const {
    for (const HintString& hint : hints_)
        if (hint.id == id)
            return hint.text;
    return {};
}

TApplication::~TApplication() = default;
