// SPDX-License-Identifier: GPL-3.0-or-later
// A table shown beside the frame in a window of its own (the chances): what the client
// computes and how the toolkit asks for it, in plain types so the client needs no toolkit.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A table the toolkit shows in a window of its own beside the frame, computed from what
// the client shows (the chances): the client makes the computation, the toolkit runs it
// off the GUI thread and shows each pass as it comes.
struct SideTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> cells; // row by row, a text per heading
    // Per cell, the share of the cell a bar behind the text fills, 0 to 1; below 0 none.
    std::vector<std::vector<double>> bars;
    std::string status; // over the table
    std::string footer; // under it
    bool final = false; // the last pass
};

class SideTableSource {
  public:
    virtual ~SideTableSource() = default;

    // Computes pass 0, 1, ... until a table is final; nothing once cancel is set.
    using Job = std::function<std::optional<SideTable>(int pass, const std::atomic<bool>& cancel)>;

    // A job for what the client shows now, or none while that is what the last job was
    // made for. Asked on the GUI thread, a few times a second while the window is open.
    virtual Job NewJob() = 0;
    virtual std::string Title() const = 0;
    // The table before the first pass: its headings and rows, with nothing computed yet
    // and the status said over it meanwhile.
    virtual SideTable Waiting() const = 0;
};
