// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

class Journal;

struct SoakOptions {
    std::uint32_t seed = 1996;
    long actions = 1000;
    // Memory is sampled after this many actions and again at the end; from then on it
    // must stay flat.
    long sampleAt = 1000;
    double memoryBoundMiB = 8.0;
    // Print every action as it is done.
    bool verbose = false;
    // The help file the program looks for in its working directory.
    std::string helpFile;
};

// Runs the soak in the current working directory, which should be empty: the program
// saves its results there. Prints the figures at the end and returns 0; a broken rule
// ends the process through the journal with the seed and the trace.
int RunSoak(const SoakOptions& options, Journal& journal);
