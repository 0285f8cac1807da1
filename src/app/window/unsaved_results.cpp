// SPDX-License-Identifier: GPL-3.0-or-later
// Results not saved when the program ended without the user's say: kept by the keeper as
// they change, and offered back at the next start when a recovery file differs.
#include "app/window/draw_window.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kRestoreCaption = "Unsaved results";
constexpr const char* kUnreadableCaption = "Unsaved results not read";

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

std::string LocalTime(std::time_t when) {
    char text[64] = "";
    std::tm local{};
    if (::localtime_r(&when, &local))
        std::strftime(text, sizeof text, "%e %B %Y at %H:%M", &local);
    std::string shown = text;
    return shown.starts_with(' ') ? shown.substr(1) : shown;
}

std::string RestoreQuestion(int differing, const RecoveryFile& file) {
    const std::string what =
        differing == 1 ? "the 1 result" : "the " + std::to_string(differing) + " results";
    return "Korvel was closed on " + LocalTime(file.written) +
           " with results that had not been saved (kept in " + file.path + ").\n\nRestore " + what +
           " that were not saved?";
}

std::string UnreadableText(const RecoveryFile& file, const std::string& reason) {
    return "Results that were not saved were kept in " + file.path + ", but it cannot be read:\n" +
           reason + ".\n\nKorvel leaves it where it is; it is offered again at the next start.";
}

} // namespace

void TDrawWindow::NoteResults() {
    keeper_.Update(EncodeResults(Wedstrijd), MoetSaven == 1 && !leaveUnsaved_);
}

bool TDrawWindow::KeepUnsavedResults() {
    // The results file itself is never written on this way out: what is in it was
    // saved by the user's choice.
    NoteResults();
    if (keeper_.Keep() == UnsavedKeeper::Outcome::Failed)
        return false;
    unsavedKept_ = true;
    return true;
}

void TDrawWindow::OfferUnsavedResults() {
    for (const RecoveryFile& found : FindRecoveryFiles(keeper_.Places())) {
        // A program ended while a question was open has had no answer: the rest stay
        // for the next start.
        if (endedAtOnce_)
            return;
        const FileRead file = ReadRecoveryFile(found.path.c_str(), kResultsFileSize + 1);
        if (file.outcome == FileRead::Missing)
            continue;
        if (file.outcome == FileRead::Unreadable) {
            MessageBox(UnreadableText(found, file.reason).c_str(), kUnreadableCaption,
                       MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        // Only a whole file of results is offered; anything else was not written by
        // Korvel's own atomic write, and goes without harm.
        const bool whole = file.bytes.size() == kResultsFileSize;
        const int differing = whole ? DifferingMatches(EncodeResults(Wedstrijd), file.bytes) : 0;
        if (differing > 0) {
            const int answer =
                MessageBox(RestoreQuestion(differing, found).c_str(), kRestoreCaption,
                           MB_YESNO | MB_ICONQUESTION | MB_ESCAPEUNANSWERED);
            // Escape or the close box is no answer: the file stays for the next start.
            if (endedAtOnce_ || (answer != IDYES && answer != IDNO))
                continue;
            if (answer == IDYES) {
                DecodeResults(file.bytes, Wedstrijd);
                WedstrijdNummer = NextMatchAfterLoad(Wedstrijd, kMatches);
                MoetSaven = 1;
                history_.Restart();
                NoteResults();
            }
        }
        ::unlink(found.path.c_str());
    }
}
