// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The ways out of the window the command line offers: help, version, a picture of a
// view, a text summary. Returns the exit status when the arguments asked for one of
// them (or were wrong: status 2), or nothing when the window is to start, as it does
// without arguments.
std::optional<int> RunCommandLine(int argc, char** argv);
