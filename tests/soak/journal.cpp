// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

Journal::Journal(std::uint32_t seed, long actions)
    : seed_(seed), actions_(actions), progressMs_(NowMs()) {}

std::int64_t Journal::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void Journal::Begin(long index, const std::string& what) {
    const std::lock_guard lock(mutex_);
    index_ = index;
    lines_.push_back("#" + std::to_string(index) + " " + what);
    while (lines_.size() > kKept)
        lines_.pop_front();
    progressMs_ = NowMs();
}

void Journal::Note(const std::string& what) {
    const std::lock_guard lock(mutex_);
    if (lines_.empty())
        lines_.emplace_back("(start)");
    lines_.back() += "; " + what;
    progressMs_ = NowMs();
}

void Journal::Alive() { progressMs_ = NowMs(); }

double Journal::SecondsSinceProgress() const { return (NowMs() - progressMs_) / 1000.0; }

long Journal::Index() const {
    const std::lock_guard lock(mutex_);
    return index_;
}

std::string Journal::Trace() const {
    const std::lock_guard lock(mutex_);
    std::string trace;
    for (const std::string& line : lines_)
        trace += "  " + line + "\n";
    return trace;
}

std::string Journal::Report(const std::string& what) const {
    std::string report = "korvel_soak: FAILED at action " + std::to_string(index_) + " (seed " +
                         std::to_string(seed_) + "): " + what + "\n";
    report += "reproduce: korvel_soak --seed " + std::to_string(seed_) + " --actions " +
              std::to_string(actions_) + "\n";
    report += "last " + std::to_string(lines_.size()) + " actions:\n";
    for (const std::string& line : lines_)
        report += "  " + line + "\n";
    return report;
}

void Journal::Complain(const std::string& what) const {
    std::string report;
    {
        const std::lock_guard lock(mutex_);
        report = Report(what);
    }
    std::fflush(stdout);
    std::fputs(report.c_str(), stderr);
    std::fflush(stderr);
}

void Journal::Fail(const std::string& what) {
    Complain(what);
    if (cleanUp_)
        cleanUp_();
    // Straight out: the program is in an unknown state, and the report is what counts.
    std::_Exit(1);
}

void Journal::Hung(double seconds) {
    std::string report;
    {
        const std::lock_guard lock(mutex_);
        report = Report("nothing moved for " + std::to_string(static_cast<int>(seconds)) +
                        " s (a modal window nobody answers, or a loop that never ends)");
    }
    // From the watchdog thread: only async-safe calls from here on.
    const ssize_t written = ::write(2, report.data(), report.size());
    (void)written;
    ::_exit(3);
}
