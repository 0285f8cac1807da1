// SPDX-License-Identifier: GPL-3.0-or-later
// Kills a saving process at random moments and checks what it leaves behind.
//
//   korvel_crash_consistency [--kills N] [--seed S]
//
// A child process saves in a loop, alternating between two results that differ in
// every record, through the program's own atomic write into korvel.dat in a
// scratch folder. The parent kills it with SIGKILL after a random delay (seeded,
// so a failure can be replayed), N times. After every kill korvel.dat must be
// exactly one of the two saves, or absent while no save has completed yet. At the
// end, whatever an interrupted save left beside it must neither confuse the next
// start nor stop the next save.
#include "app/window/draw_window.h"
#include "data/results_io.h"
#include "platform/files.h"
#include "platform/recording/recording_host.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kTempFile = "korvel.dat.tmp";

std::vector<std::uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Two result sets that differ in every byte of every record, so that a file made
// of parts of both, or of one save cut short, matches neither.
std::array<ResultBytes, 2> TwoSaves() {
    std::array<Game, kMatches> first{};
    std::array<Game, kMatches> second{};
    for (int m = 0; m < kMatches; ++m) {
        first[m].score1 = 1 + m % 4;
        first[m].score2 = 10 + m;
        first[m].gespeeld = 1;
        second[m].score1 = 100 + m;
        second[m].score2 = 50 + m % 3;
        second[m].gespeeld = 0;
    }
    return {EncodeResults(first), EncodeResults(second)};
}

[[noreturn]] void SaveForever(const std::array<ResultBytes, 2>& saves, unsigned first) {
    for (unsigned i = first;; ++i)
        if (!WriteFileAtomically(kResultsFile, saves[i % 2]))
            _exit(3); // a save that fails on a healthy disk is a fault of its own
}

// How long one save takes here, so that the kills spread over many saves
// whatever the disk.
Clock::duration TimeOneSave(const std::array<ResultBytes, 2>& saves) {
    const fs::path probe = "probe";
    fs::create_directory(probe);
    const std::string file = (probe / kResultsFile).string();
    constexpr int kSaves = 20;
    const auto start = Clock::now();
    for (int i = 0; i < kSaves; ++i)
        WriteFileAtomically(file.c_str(), saves[i % 2]);
    const auto each = (Clock::now() - start) / kSaves;
    fs::remove_all(probe);
    return each;
}

struct Tally {
    int kills = 0;
    int absent = 0;
    int first = 0;
    int second = 0;
    int tempLeft = 0;    // killed between creating the temporary file and renaming it
    int exitedEarly = 0; // the child ended before the kill: its save loop failed
    int bad = 0;
};

bool NextStartAndSaveCopeWithLeftovers() {
    // Make sure an interrupted save's temporary file is there for the next start.
    if (!fs::exists(kTempFile)) {
        std::ofstream(kTempFile, std::ios::binary) << "half a save";
    }
    // Killed before any save completed, there is no results file and nothing loads.
    std::vector<std::uint8_t> before(kResultsFileSize, 0);
    if (fs::exists(kResultsFile))
        before = ReadAll(kResultsFile);

    RecordingHost host;
    bool unexpected = false;
    host.onUnexpected = [&](const std::string& what) {
        std::fprintf(stderr, "unexpected: %s\n", what.c_str());
        unexpected = true;
    };
    TDrawWindow window(nullptr);
    host.Attach(window);
    host.ExpectBox("Korvel", IDOK);
    window.DoFirstTime();
    const ResultBytes loaded = EncodeResults(window.Wedstrijd);
    if (unexpected || !std::equal(loaded.begin(), loaded.end(), before.begin(), before.end())) {
        std::fprintf(stderr, "the next start did not load the last whole save\n");
        return false;
    }

    window.Wedstrijd[3].score1 = 9;
    window.Wedstrijd[3].gespeeld = 1;
    window.MoetSaven = 1;
    window.CmFileSave();
    const ResultBytes expected = EncodeResults(window.Wedstrijd);
    const std::vector<std::uint8_t> after = ReadAll(kResultsFile);
    if (unexpected || window.MoetSaven != 0 || fs::exists(kTempFile) ||
        !std::equal(after.begin(), after.end(), expected.begin(), expected.end())) {
        std::fprintf(stderr, "the next save did not replace the leftover cleanly\n");
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int kills = 1000;
    unsigned long seed = 1996;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--kills") == 0)
            kills = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = std::strtoul(argv[i + 1], nullptr, 10);
    }

    std::string pattern = (fs::temp_directory_path() / "korvel-crash.XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 2;
    }
    const fs::path dir = pattern;
    fs::current_path(dir);

    const std::array<ResultBytes, 2> saves = TwoSaves();
    const auto oneSave = TimeOneSave(saves);
    // From before the child's first save to several saves in, capped so that a
    // slow disk still finishes in well under a minute.
    const auto longest = std::min<Clock::duration>(std::chrono::milliseconds(15),
                                                   std::chrono::microseconds(300) + 6 * oneSave);
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(longest).count());

    Tally tally;
    bool saved = false; // a save has completed, so the file must be there from now on
    const auto start = Clock::now();
    for (int k = 0; k < kills; ++k) {
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child < 0) {
            std::perror("fork");
            return 2;
        }
        // Children take turns at which save they start with, so that most kills
        // interrupt a save that replaces the other result set.
        if (child == 0)
            SaveForever(saves, static_cast<unsigned>(k));
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)) {
            ++tally.exitedEarly;
            std::fprintf(stderr, "kill %d: the child ended by itself (status %d)\n", k, status);
        }
        ++tally.kills;
        tally.tempLeft += fs::exists(kTempFile);

        if (!fs::exists(kResultsFile)) {
            ++tally.absent;
            if (saved) {
                ++tally.bad;
                std::fprintf(stderr, "kill %d: korvel.dat vanished after a completed save\n", k);
            }
            continue;
        }
        saved = true;
        const std::vector<std::uint8_t> now = ReadAll(kResultsFile);
        if (std::equal(now.begin(), now.end(), saves[0].begin(), saves[0].end())) {
            ++tally.first;
        } else if (std::equal(now.begin(), now.end(), saves[1].begin(), saves[1].end())) {
            ++tally.second;
        } else {
            ++tally.bad;
            std::fprintf(stderr, "kill %d: korvel.dat holds %zu bytes matching neither save\n", k,
                         now.size());
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    const bool leftoversOk = NextStartAndSaveCopeWithLeftovers();
    fs::current_path(dir.parent_path());
    fs::remove_all(dir);

    std::printf("seed %lu, one save %lld us, kills at 0..%lld us, %.1f s\n", seed,
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(oneSave).count()),
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(longest).count()),
                seconds);
    std::printf("kills %d: first save %d, second save %d, absent %d, temporary file left %d\n",
                tally.kills, tally.first, tally.second, tally.absent, tally.tempLeft);
    std::printf("next start and save after a leftover temporary file: %s\n",
                leftoversOk ? "fine" : "FAILED");
    std::printf("kills survived: %d of %d\n", tally.kills - tally.bad - tally.exitedEarly,
                tally.kills);
    return tally.bad == 0 && tally.exitedEarly == 0 && leftoversOk ? 0 : 1;
}
