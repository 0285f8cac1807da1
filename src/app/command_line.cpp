// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/chances_command.h"
#include "app/text_summary.h"
#include "data/draw_window.h"
#include "dialogs/number_text.h"
#include "korvel_version.h"
#include "platform/export.h"
#include "views/pictures.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
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
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Failure(std::string("cannot write to standard output: ") +
                           std::strerror(n < 0 ? errno : EIO));
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// The arguments are taken as Latin-1, one character per byte, so that a file name
// goes back to the system exactly as it came, whatever its encoding.
QString FromBytes(const char* text) { return QString::fromLatin1(text); }
std::string Local(const QString& text) { return text.toLatin1().toStdString(); }

// The parser's own messages ("Unknown option 'x'.") in the form of the others.
std::string ParserProblem(QString text) {
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return Local(text);
}

// The view (the window's SchermType) of "standings", "schedule" or "map".
std::optional<int> ViewNamed(const QString& name) {
    const QString view = name.toLower();
    if (view == QLatin1String("standings"))
        return kStandingsView;
    if (view == QLatin1String("schedule"))
        return kScheduleView;
    if (view == QLatin1String("map"))
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
std::optional<int> TeamNamed(const QString& name) {
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number < kTeams ? std::optional<int>(number) : std::nullopt;
    for (int t = 0; t < kTeams; ++t) {
        const QString shown =
            QString::fromLatin1(landnaam[t].data(), static_cast<qsizetype>(landnaam[t].size()));
        if (name.compare(shown, Qt::CaseInsensitive) == 0)
            return t;
    }
    for (const OtherName& other : kOtherNames)
        if (name.compare(QLatin1String(other.name), Qt::CaseInsensitive) == 0)
            return other.team;
    return std::nullopt;
}

// The results as the window would load them at start-up. A results file named on the
// command line must be there; korvel.dat may be missing, as on a first start.
std::optional<std::string> LoadResults(TDrawWindow& window, const std::string& path, bool named) {
    const FileRead file = ReadRegularFile(path.c_str(), kResultsFileSize);
    switch (file.outcome) {
    case FileRead::Read:
        DecodeResults(file.bytes, window.Wedstrijd);
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

} // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
    if (argc <= 1)
        return std::nullopt;

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FromBytes(argv[i]);

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
    const QCommandLineOption exportView(QStringLiteral("export"), {}, QStringLiteral("VIEW"));
    const QCommandLineOption text(QStringLiteral("text"), {});
    const QCommandLineOption results(QStringLiteral("results"), {}, QStringLiteral("FILE"));
    const QCommandLineOption timeZone(QStringLiteral("time-zone"), {}, QStringLiteral("OFFSET"));
    const QCommandLineOption scale(QStringLiteral("scale"), {}, QStringLiteral("N"));
    const QCommandLineOption chances(QStringLiteral("chances"), {});
    const QCommandLineOption runs(QStringLiteral("runs"), {}, QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), {}, QStringLiteral("S"));
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("FORMAT"));
    parser.addOptions(
        {help, version, exportView, text, results, timeZone, scale, chances, runs, seed, format});
    if (!parser.parse(arguments))
        return Usage(ParserProblem(parser.errorText()));

    if (parser.isSet(help))
        return Print(kHelp);
    if (parser.isSet(version))
        return Print(std::string("korvel ") + KORVEL_VERSION + "\n");

    const QStringList files = parser.positionalArguments();
    const bool exporting = parser.isSet(exportView);
    if (int(exporting) + int(parser.isSet(text)) + int(parser.isSet(chances)) > 1)
        return Usage("--export, --text and --chances do not go together");
    if (!exporting && parser.isSet(scale))
        return Usage("--scale goes with --export to a .png file");
    const ChancesOptions chancesOptions{Local(parser.value(runs)), Local(parser.value(seed)),
                                        Local(parser.value(format))};
    if (!parser.isSet(chances) &&
        (parser.isSet(runs) || parser.isSet(seed) || parser.isSet(format)))
        return Usage("--runs, --seed and --format go with --chances");
    if (const auto problem = ChancesOptionsProblem(chancesOptions))
        return Usage(*problem);
    if (!exporting && !parser.isSet(text) && !parser.isSet(chances)) {
        if (parser.isSet(results) || parser.isSet(timeZone))
            return Usage("--results and --time-zone go with --export, --text or --chances");
        return Usage("unexpected argument '" + Local(files.value(0)) + "'");
    }
    if (exporting && files.isEmpty())
        return Usage("--export needs a view and a file: --export VIEW FILE");
    if (files.size() > (exporting ? 1 : 0))
        return Usage("unexpected argument '" + Local(files.last()) + "'");

    TDrawWindow window(nullptr);
    window.FirstTime = 0;
    if (parser.isSet(timeZone)) {
        const std::optional<int> offset = OffsetNamed(Local(parser.value(timeZone)));
        if (!offset)
            return Usage("cannot read the time zone '" + Local(parser.value(timeZone)) +
                         "': give +HHMM, -HHMM or +H:MM, at most 14 hours, such as -0700 "
                         "or +5:30");
        window.TimeZone = *offset;
    }

    if (exporting) {
        const QString name = parser.value(exportView);
        if (name.startsWith(QLatin1String("team:"))) {
            const std::optional<int> team = TeamNamed(name.mid(5));
            if (!team)
                return Usage("unknown team '" + Local(name.mid(5)) +
                             "': give its name as shown, such as Czech Rep. or Czech Republic, or "
                             "its number 0-15");
            window.SchermType = kTeamView;
            window.TeamToShow = *team;
        } else if (const std::optional<int> view = ViewNamed(name)) {
            window.SchermType = *view;
        } else {
            return Usage("unknown view '" + Local(name) +
                         "': give standings, schedule, map or team:NAME");
        }
        if (!PictureTypeOf(files.first().toStdString()))
            return Usage("cannot tell the picture type of '" + Local(files.first()) +
                         "': give a file ending in .png, .svg or .pdf");
    }
    int pixels = 1;
    if (parser.isSet(scale)) {
        if (!exporting || PictureTypeOf(files.first().toStdString()) != PictureType::Png)
            return Usage("--scale goes with --export to a .png file");
        bool isNumber = false;
        pixels = parser.value(scale).toInt(&isNumber);
        if (!isNumber || pixels < kMinScale || pixels > kMaxScale)
            return Usage("--scale takes a whole number from 1 to 4, not '" +
                         Local(parser.value(scale)) + "'");
    }

    const bool named = parser.isSet(results);
    const std::string resultsFile = named ? Local(parser.value(results)) : kResultsFile;
    if (const auto problem = LoadResults(window, resultsFile, named))
        return Failure(*problem);

    if (parser.isSet(chances))
        return PrintChances(window.Wedstrijd, chancesOptions);
    if (!exporting)
        return Print(TournamentText(window));
    LoadPictures();
    const std::string file = Local(files.first());
    if (const std::string reason = ExportViewFile(window, file, pixels); !reason.empty())
        return Failure("cannot write " + file + ": " + reason);
    return 0;
}
