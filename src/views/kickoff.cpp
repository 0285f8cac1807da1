// SPDX-License-Identifier: GPL-3.0-or-later
// Moves a UTC kick-off by the user's offset with a day's roll-over at most, in 64 bits
// since the offset is typed by the user; and names a time zone.
#include "views/kickoff.h"

std::string KickOffText(std::int32_t tijd, std::int32_t timeZone) {
    // 64-bit throughout: the offset comes from free text and may be any 32-bit value.
    const std::int64_t h = tijd / 100;
    const std::int64_t m = tijd % 100;
    const std::int64_t zh = timeZone / 100;
    const std::int64_t zm = timeZone % 100;
    std::int64_t local = 60 * (h + zh) + m + zm;
    const char* suffix = "";
    if (local > 1440) {
        local -= 1440;
        suffix = "+";
    } else if (local < 0) {
        local += 1440;
        suffix = "-";
    }
    return std::to_string(100 * (local / 60) + local % 60) + suffix;
}

std::string ZoneText(std::int32_t timeZone) {
    if (timeZone == 0)
        return "UTC";
    const std::int64_t offset = timeZone;
    const std::int64_t size = offset < 0 ? -offset : offset;
    std::string text = std::string("UTC") + (offset < 0 ? "-" : "+") + std::to_string(size / 100);
    if (const std::int64_t minutes = size % 100; minutes != 0)
        text += (minutes < 10 ? ":0" : ":") + std::to_string(minutes);
    return text;
}
