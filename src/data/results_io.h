// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game.h"
#include "data/tables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// korvel.dat: three bytes per match in match order (score1, score2, gespeeld),
// each the low eight bits of its field; 93 bytes, nothing else.
inline constexpr const char* kResultsFile = "korvel.dat";
// Results not saved when the program was ended by a signal or the desktop session,
// in the same format, beside the results file; offered back at the next start.
inline constexpr const char* kUnsavedFile = "korvel.dat.unsaved";
inline constexpr std::size_t kRecordSize = 3;
inline constexpr std::size_t kResultsFileSize = kRecordSize * kMatches;

using ResultBytes = std::array<std::uint8_t, kResultsFileSize>;

ResultBytes EncodeResults(const std::array<Game, kMatches>& games);

// Stores every whole record the bytes hold into the matches' results and leaves
// the rest as they are; bytes after the last record are ignored. Returns the
// number of records stored.
int DecodeResults(std::span<const std::uint8_t> bytes, std::array<Game, kMatches>& games);

// The match after the last one played among the first records, the final aside:
// where result entry goes on after loading.
int NextMatchAfterLoad(const std::array<Game, kMatches>& games, int records);
