// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// The command line as read: which options were given, with their values, and the
// arguments that are no option. Every text is the bytes as they came, so that a file
// name goes back to the system exactly as it was given, whatever its encoding. An
// option given twice has its last value.
struct CommandOptions {
    bool help = false;
    bool version = false;
    bool text = false;
    bool chances = false;
    std::optional<std::string> exportView;
    std::optional<std::string> scale;
    std::optional<std::string> results;
    std::optional<std::string> timeZone;
    std::optional<std::string> runs;
    std::optional<std::string> seed;
    std::optional<std::string> format;
    std::vector<std::string> arguments;
};

// Options, or why they could not be read ("unknown option 'x'"), in the words of the
// program's other messages about its command line.
struct CommandLineRead {
    CommandOptions options;
    std::optional<std::string> problem;
};

// Reads the program's arguments (argv[0] its name). The Qt implementation defines it,
// with Qt's command line parser.
CommandLineRead ReadCommandLine(int argc, char** argv);
