// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <utility>

// The soak's memory of what it did: the seed, the action under way and the last
// actions with everything that happened in them, for the failure report. The
// watchdog thread reads it too, hence the lock.
class Journal {
  public:
    static constexpr std::size_t kKept = 20;

    Journal(std::uint32_t seed, long actions);

    // A new action begins; its line collects notes until the next one begins.
    void Begin(long index, const std::string& what);
    void Note(const std::string& what);
    // Something still moves: the watchdog waits again.
    void Alive();

    // Prints the failure, the reproduction command and the trace.
    void Complain(const std::string& what) const;
    // The same, and ends the process: the program is in no state to go on.
    [[noreturn]] void Fail(const std::string& what);
    // Called by the watchdog thread when nothing has moved for too long.
    [[noreturn]] void Hung(double seconds);
    // Runs before Fail ends the process, which skips every destructor.
    void AtFailure(std::function<void()> cleanUp) { cleanUp_ = std::move(cleanUp); }

    // The kept lines, one per action, for a report that does not end the run.
    std::string Trace() const;
    double SecondsSinceProgress() const;
    long Index() const;
    std::uint32_t Seed() const { return seed_; }

  private:
    std::string Report(const std::string& what) const;
    static std::int64_t NowMs();

    const std::uint32_t seed_;
    const long actions_;
    mutable std::mutex mutex_;
    std::deque<std::string> lines_;
    long index_ = -1;
    std::atomic<std::int64_t> progressMs_;
    std::function<void()> cleanUp_;
};
