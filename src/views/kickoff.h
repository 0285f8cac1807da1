// SPDX-License-Identifier: GPL-3.0-or-later
// Kick-off times and time zones as texts, for the schedule, the team pages and a reader.
#pragma once

#include <cstdint>
#include <string>

// A kick-off time stored in UTC (hours * 100 + minutes) as shown in the user's
// time zone (same notation; negative offsets have negative hours and minutes):
// hours * 100 + minutes without leading zeros or separator, then "+" when the
// local time falls on the next day and "-" when on the previous day. One day of
// roll-over at most; offsets far outside a day give times outside 0..2400, shown
// as computed.
std::string KickOffText(std::int32_t tijd, std::int32_t timeZone);

// A time zone as a reader says it: "UTC+2", "UTC-1:30", "UTC".
std::string ZoneText(std::int32_t timeZone);
