// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/draw_window.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kRestoreCaption = "Unsaved results";

int DifferingMatches(const ResultBytes& a, std::span<const std::uint8_t> b) {
    int differing = 0;
    for (std::size_t m = 0; m < kMatches; ++m)
        for (std::size_t i = kRecordSize * m; i < kRecordSize * (m + 1); ++i)
            if (a[i] != b[i]) {
                ++differing;
                break;
            }
    return differing;
}

std::string RestoreQuestion(int differing) {
    const std::string what =
        differing == 1 ? "the 1 result" : "the " + std::to_string(differing) + " results";
    return "Korvel was closed last time with results that had not been saved.\n\nRestore " + what +
           " that were not saved?";
}

} // namespace

bool TDrawWindow::KeepUnsavedResults() {
    // The results file itself is never written on this way out: what is in it was
    // saved by the user's choice.
    const ResultBytes bytes = EncodeResults(Wedstrijd);
    if (WriteFileAtomically(kUnsavedFile, bytes, *fileOps_)) {
        unsavedKept_ = true;
        return true;
    }
    std::fprintf(stderr, "korvel: the unsaved results could not be written to %s: %s\n",
                 kUnsavedFile, std::strerror(errno));
    return false;
}

void TDrawWindow::OfferUnsavedResults() {
    const FileRead file = ReadRegularFile(kUnsavedFile, kResultsFileSize + 1);
    if (file.outcome == FileRead::Missing)
        return;
    // Only a whole file of results is offered; anything else was not written by
    // Korvel's own atomic write, and goes without harm.
    const bool whole = file.outcome == FileRead::Read && file.bytes.size() == kResultsFileSize;
    const int differing = whole ? DifferingMatches(EncodeResults(Wedstrijd), file.bytes) : 0;
    if (differing > 0 && MessageBox(RestoreQuestion(differing).c_str(), kRestoreCaption,
                                    MB_YESNO | MB_ICONQUESTION) == IDYES) {
        DecodeResults(file.bytes, Wedstrijd);
        WedstrijdNummer = NextMatchAfterLoad(Wedstrijd, kMatches);
        MoetSaven = 1;
        history_.Restart();
    }
    // A program ended while the question was open has had no answer: the results
    // stay for the next start.
    if (!endedAtOnce_)
        ::unlink(kUnsavedFile);
}
