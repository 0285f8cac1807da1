// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/chances_command.h"
#include "app/text_summary.h"
#include "data/results_io.h"
#include "dialogs/number_text.h"
#include "korvel_version.h"
#include "platform/command_options.h"
#include "platform/export.h"
#include "platform/files.h"
#include "views/draw.h"
#include "views/pictures.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;
// PNG pixels for each of the window's: up to four, 2880 x 1920.
constexpr int kMinScale = 1;
constexpr int kMaxScale = 4;

constexpr const char* kHelp =
    "Usage: korvel [OPTION]...\n"
    "Follow the 1996 European football championship. Without options Korvel opens\n"
    "its window; the options below write a view or a summary and leave.\n"
    "\n"
    "  --export VIEW FILE    write a picture of one view to FILE and exit; VIEW is\n"
    "                        standings, schedule, map or team:NAME (a team's name as\n"
    "                        shown, or its number 0-15); FILE ends in .png (the\n"
    "                        window's pixels), .svg or .pdf (text kept as text, the\n"
    "                        PDF on one A4 landscape page)\n"
    "  --scale N             with --export to a .png file: N pixels (1 to 4) for each\n"
    "                        of the window's, a sharp picture N times as large\n"
    "  --text                print the group tables, the knock-out matches and the\n"
    "                        champion\n"
    "  --chances             print each team's chances of winning its group, coming\n"
    "                        second, reaching the quarter-finals, the semi-finals and\n"
    "                        the final, and winning, from the results so far: the\n"
    "                        matches left are played many times; \"through\" and \"out\"\n"
    "                        are sure whatever those results are\n"
    "  --runs N              how many tournaments --chances plays (default 1000000)\n"
    "  --seed S              the random seed of --chances (default 1996); the same\n"
    "                        seed gives the same table\n"
    "  --format text|csv     the form of the --chances table (default text)\n"
    "  --results FILE        read the results from FILE instead of korvel.dat in the\n"
    "                        working directory\n"
    "  --time-zone OFFSET    show kick-off times at OFFSET from UTC, written as\n"
    "                        +HHMM, -HHMM or +H:MM, e.g. -0700, +130 or +5:30,\n"
    "                        at most 14 hours (default +0200)\n"
    "  -h, --help            print this help and exit\n"
    "  -v, --version         print the version and exit\n"
    "\n"
    "--export, --text and --chances need no display and never write korvel.dat.\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 wrong usage.\n"
    "\n"
    "In the window: F1 help, Ctrl+S save, Ctrl+Q exit, Ctrl+P print the view,\n"
    "Ctrl+Shift+P print preview, Ctrl+E export the view, Ctrl+Z undo a result or\n"
    "Clear all, Ctrl+Shift+Z or Ctrl+Y redo it, F9 the chances.\n";

// What is wrong with the command line, in a message, or nothing.
using Problem = std::optional<std::string>;

int Usage(const std::string& problem) {
    std::cerr << "korvel: " << problem << " (see korvel --help)\n";
    return kBadUsage;
}

int Failure(const std::string& problem) {
    std::cerr << "korvel: " << problem << "\n";
    return kFailed;
}

// Writes text to standard output; one that cannot take it all (a full disk, a closed
// pipe) is a failure, said on standard error.
int Print(const std::string& text) {
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (!WriteAll(FileOps::Posix(), STDOUT_FILENO, bytes))
        return Failure(std::string("cannot write to standard output: ") + std::strerror(errno));
    return 0;
}

// The names and suffixes the arguments are compared with are ASCII, and no other
// Latin-1 letter has an ASCII letter for its other case: case is ASCII case.
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

// The spaces a number may have around it.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A whole number of type int: decimal digits with a sign if any, ASCII spaces around
// them allowed.
std::optional<int> WholeNumber(std::string_view text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

// The view (the window's SchermType) of "standings", "schedule" or "map".
std::optional<int> ViewNamed(std::string_view name) {
    if (SameLetters(name, "standings"))
        return kStandingsView;
    if (SameLetters(name, "schedule"))
        return kScheduleView;
    if (SameLetters(name, "map"))
        return kMapView;
    return std::nullopt;
}

// Names a team goes by besides the one shown: the Teams menu's and English usage.
struct OtherName {
    const char* name;
    int team;
};
constexpr OtherName kOtherNames[] = {
    {"Czech Republic", 9},
    {"Denmark", 12},
    {"Romania", 6},
};

// A kick-off offset as +HHMM, -HHMM, +HMM or +H:MM (the sign may be left out), in the
// hours*100+minutes of the time-zone setting; none for anything else.
std::optional<int> OffsetNamed(const std::string& text) {
    std::size_t at = 0;
    int sign = 1;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        sign = text[0] == '-' ? -1 : 1;
        at = 1;
    }
    const std::string rest = text.substr(at);
    const std::size_t colon = rest.find(':');
    std::string hours;
    std::string minutes;
    if (colon == std::string::npos && (rest.size() == 3 || rest.size() == 4)) {
        hours = rest.substr(0, rest.size() - 2);
        minutes = rest.substr(rest.size() - 2);
    } else if (colon != std::string::npos && (colon == 1 || colon == 2) &&
               rest.size() == colon + 3) {
        hours = rest.substr(0, colon);
        minutes = rest.substr(colon + 1);
    } else {
        return std::nullopt;
    }
    for (const char c : hours + minutes)
        if (c < '0' || c > '9')
            return std::nullopt;
    const int h = std::stoi(hours);
    const int m = std::stoi(minutes);
    if (m >= 60 || h > 14 || (h == 14 && m > 0))
        return std::nullopt;
    return sign * (h * 100 + m);
}

// A team by its name as shown (in any case) or its number.
std::optional<int> TeamNamed(std::string_view name) {
    if (const std::optional<int> number = WholeNumber(name))
        return *number >= 0 && *number < kTeams ? number : std::nullopt;
    for (int t = 0; t < kTeams; ++t)
        if (SameLetters(name, landnaam[t]))
            return t;
    for (const OtherName& other : kOtherNames)
        if (SameLetters(name, other.name))
            return other.team;
    return std::nullopt;
}

// Options that do not go together.
Problem OptionsTogetherProblem(const CommandOptions& options, const ChancesOptions& chances) {
    const bool exporting = options.exportView.has_value();
    if (int(exporting) + int(options.text) + int(options.chances) > 1)
        return "--export, --text and --chances do not go together";
    if (!exporting && options.scale)
        return "--scale goes with --export to a .png file";
    if (!options.chances && (options.runs || options.seed || options.format))
        return "--runs, --seed and --format go with --chances";
    return ChancesOptionsProblem(chances);
}

// Arguments where there should be none, or none where --export needs its file.
Problem ArgumentsProblem(const CommandOptions& options) {
    const bool exporting = options.exportView.has_value();
    const std::vector<std::string>& files = options.arguments;
    if (!exporting && !options.text && !options.chances) {
        if (options.results || options.timeZone)
            return "--results and --time-zone go with --export, --text or --chances";
        return "unexpected argument '" + (files.empty() ? std::string() : files.front()) + "'";
    }
    if (exporting && files.empty())
        return "--export needs a view and a file: --export VIEW FILE";
    if (files.size() > (exporting ? 1u : 0u))
        return "unexpected argument '" + files.back() + "'";
    return std::nullopt;
}

Problem SetTimeZone(const std::string& text, Tournament& tournament) {
    const std::optional<int> offset = OffsetNamed(text);
    if (!offset)
        return "cannot read the time zone '" + text +
               "': give +HHMM, -HHMM or +H:MM, at most 14 hours, such as -0700 or +5:30";
    tournament.TimeZone = *offset;
    return std::nullopt;
}

// The view --export names: standings, schedule, map or team:NAME.
Problem SetExportedView(const std::string& name, Tournament& tournament) {
    constexpr std::string_view kTeamPrefix = "team:";
    if (name.starts_with(kTeamPrefix)) {
        const std::string team = name.substr(kTeamPrefix.size());
        const std::optional<int> number = TeamNamed(team);
        if (!number)
            return "unknown team '" + team +
                   "': give its name as shown, such as Czech Rep. or Czech Republic, or its "
                   "number 0-15";
        tournament.SchermType = kTeamView;
        tournament.TeamToShow = *number;
    } else if (const std::optional<int> view = ViewNamed(name)) {
        tournament.SchermType = *view;
    } else {
        return "unknown view '" + name + "': give standings, schedule, map or team:NAME";
    }
    return std::nullopt;
}

Problem PictureTypeProblem(const std::string& file) {
    if (PictureTypeOf(file))
        return std::nullopt;
    return "cannot tell the picture type of '" + file +
           "': give a file ending in .png, .svg or .pdf";
}

// The PNG pixels for each of the window's that --scale asks for.
Problem ScaleProblem(const std::string& scale, const std::string& file) {
    if (PictureTypeOf(file) != PictureType::Png)
        return "--scale goes with --export to a .png file";
    const std::optional<int> pixels = WholeNumber(scale);
    if (!pixels || *pixels < kMinScale || *pixels > kMaxScale)
        return "--scale takes a whole number from 1 to 4, not '" + scale + "'";
    return std::nullopt;
}

// The view --export shows, checked with the file's type and the --scale for it.
Problem SetUpExport(const CommandOptions& options, Tournament& tournament) {
    const std::string& file = options.arguments.front();
    if (Problem problem = SetExportedView(*options.exportView, tournament))
        return problem;
    if (Problem problem = PictureTypeProblem(file))
        return problem;
    if (options.scale)
        return ScaleProblem(*options.scale, file);
    return std::nullopt;
}

// The tournament set up as the options ask: time zone, and the view to export.
Problem SetUpTournament(const CommandOptions& options, Tournament& tournament) {
    if (options.timeZone)
        if (Problem problem = SetTimeZone(*options.timeZone, tournament))
            return problem;
    if (options.exportView)
        return SetUpExport(options, tournament);
    return std::nullopt;
}

// The results as the window would load them at start-up. A results file named on the
// command line must be there; korvel.dat may be missing, as on a first start.
Problem LoadResults(Tournament& tournament, const std::string& path, bool named) {
    const FileRead file = ReadRegularFile(path.c_str(), kResultsFileSize);
    switch (file.outcome) {
    case FileRead::Read:
        DecodeResults(file.bytes, tournament.Wedstrijd);
        return std::nullopt;
    case FileRead::Missing:
        if (!named)
            return std::nullopt;
        return "cannot read " + path + ": " + std::strerror(ENOENT);
    case FileRead::Unreadable:
        break;
    }
    return "cannot read " + path + ": " + file.reason;
}

// Writes the picture --export asks for; returns the exit status.
int ExportView(const CommandOptions& options, const Tournament& tournament) {
    LoadPictures();
    const std::string& file = options.arguments.front();
    const int pixels = options.scale ? *WholeNumber(*options.scale) : 1;
    TournamentPicture picture(tournament);
    if (const std::string reason = ExportViewFile(picture, file, pixels); !reason.empty())
        return Failure("cannot write " + file + ": " + reason);
    return 0;
}

// Writes what the options ask for, from the results loaded; returns the exit status.
int Write(const CommandOptions& options, const ChancesOptions& chances,
          const Tournament& tournament) {
    if (options.chances)
        return PrintChances(tournament.Wedstrijd, chances);
    if (!options.exportView)
        return Print(TournamentText(tournament));
    return ExportView(options, tournament);
}

} // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
    if (argc <= 1)
        return std::nullopt;
    const CommandLineRead read = ReadCommandLine(argc, argv);
    if (read.problem)
        return Usage(*read.problem);
    const CommandOptions& options = read.options;
    if (options.help)
        return Print(kHelp);
    if (options.version)
        return Print(std::string("korvel ") + KORVEL_VERSION + "\n");

    const ChancesOptions chances{options.runs, options.seed, options.format};
    if (const Problem problem = OptionsTogetherProblem(options, chances))
        return Usage(*problem);
    if (const Problem problem = ArgumentsProblem(options))
        return Usage(*problem);
    Tournament tournament;
    if (const Problem problem = SetUpTournament(options, tournament))
        return Usage(*problem);
    const std::string resultsFile = options.results.value_or(kResultsFile);
    if (const Problem problem = LoadResults(tournament, resultsFile, options.results.has_value()))
        return Failure(*problem);
    return Write(options, chances, tournament);
}
