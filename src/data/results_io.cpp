// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/results_io.h"

#include <algorithm>

ResultBytes EncodeResults(const std::array<Game, kMatches>& games) {
    ResultBytes bytes{};
    for (std::size_t i = 0; i < games.size(); ++i) {
        // The low eight bits, as a single-character write of the field would store them.
        bytes[kRecordSize * i] = static_cast<std::uint8_t>(games[i].score1 & 0xFF);
        bytes[kRecordSize * i + 1] = static_cast<std::uint8_t>(games[i].score2 & 0xFF);
        bytes[kRecordSize * i + 2] = static_cast<std::uint8_t>(games[i].gespeeld & 0xFF);
    }
    return bytes;
}

int DecodeResults(std::span<const std::uint8_t> bytes, std::array<Game, kMatches>& games) {
    const std::size_t records = std::min(bytes.size() / kRecordSize, games.size());
    for (std::size_t i = 0; i < records; ++i) {
        games[i].score1 = bytes[kRecordSize * i];
        games[i].score2 = bytes[kRecordSize * i + 1];
        games[i].gespeeld = bytes[kRecordSize * i + 2];
    }
    return static_cast<int>(records);
}

int NextMatchAfterLoad(const std::array<Game, kMatches>& games, int records) {
    int next = 0;
    for (int i = 0; i < records && i < kFinal; ++i)
        if (games[i].gespeeld == 1)
            next = i + 1;
    return next;
}
