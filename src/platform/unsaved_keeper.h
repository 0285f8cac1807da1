// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping results that were not saved when the program is ended without the user's say:
// where recovery files go, how a start finds them, and the keeper a signal handler writes.
#pragma once

#include "platform/files.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include <atomic>
#include <ctime>
#include <string>
#include <vector>

// Where results that were not saved go when Korvel is ended without the user's say:
// a file beside the results file (korvel.dat.unsaved), or, when that folder takes no
// file, a file named after the folder under $XDG_STATE_HOME/korvel
// (~/.local/state/korvel).
// Another Korvel's file is never replaced: each writes the first free name of
// base, base.2, base.3 ...
struct RecoveryPlaces {
    std::string beside;      // korvel.dat.unsaved
    std::string stateFolder; // empty when neither XDG_STATE_HOME nor HOME is set
    std::string inState;     // stateFolder/<folder>-<hash>.unsaved

    // The places for the working folder, as the environment names them now: beside is
    // the file's name in the working folder.
    static RecoveryPlaces ForWorkingFolder(const char* beside);
};

inline constexpr int kMaxRecoveryFiles = 32;

// The name of the n-th file of a place: base itself, then base.2 and on.
std::string RecoveryName(const std::string& base, int n);

// A recovery file found at a start.
struct RecoveryFile {
    std::string path;
    std::time_t written = 0;
    long nanoseconds = 0;
};

// Every recovery file of the places that exists (whatever it is), newest first.
std::vector<RecoveryFile> FindRecoveryFiles(const RecoveryPlaces& places);

// Reads at most max bytes of a recovery file without following a link: a link, or
// anything but a regular file, is Unreadable.
FileRead ReadRecoveryFile(const char* path, std::size_t max);

// The results as they stand, kept ready at every change, and written once as a
// recovery file when the program is ended without the user's say. Keep uses
// async-signal-safe calls only, so that a signal handler or an exit hook may call it
// at any moment, even while Update is under way (it then writes the previous image).
class UnsavedKeeper {
  public:
    explicit UnsavedKeeper(RecoveryPlaces places);

    void SetFileOps(const FileOps& ops) { ops_ = &ops; }

    // The most bytes an image may have.
    static constexpr std::size_t kCapacity = 256;
    // The current results as the file holds them (at most kCapacity bytes, the rest is
    // not kept), and whether they differ from what the user saved.
    void Update(std::span<const std::uint8_t> bytes, bool unsaved);
    bool Unsaved() const { return unsaved_.load(); }

    enum class Outcome {
        NothingToKeep,
        Kept,
        Failed
    };
    // Writes the image (once: a later call reports the first outcome, until Update
    // brings other results). On failure it
    // writes one line to standard error naming each place and the system's reason.
    Outcome Keep();
    // Where Keep wrote the results.
    const char* KeptIn() const { return keptIn_; }

    const RecoveryPlaces& Places() const { return places_; }

  private:
    // -1: free; else the errno of the first failure; 0 on success.
    int WriteIn(const std::string& base);

    RecoveryPlaces places_;
    const FileOps* ops_;
    struct Image {
        std::array<std::uint8_t, kCapacity> bytes{};
        std::size_t size = 0;
    };
    Image slots_[2]{};
    std::atomic<int> current_{0};
    std::atomic<bool> unsaved_{false};
    std::atomic<int> state_{0}; // 0 not yet, 1 under way, 2 done
    Outcome outcome_ = Outcome::NothingToKeep;
    char keptIn_[4096] = {};
};
