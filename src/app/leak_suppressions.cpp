// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every program of the sanitizer build. LeakSanitizer reads these
// suppressions at start-up: allocations that system libraries keep until the
// process ends are theirs, not ours, and would otherwise turn a clean exit into
// a failure. A leak with a frame of ours and none in these libraries is still
// reported.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}
