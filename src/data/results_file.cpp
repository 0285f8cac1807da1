// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/draw_window.h"

#include <string>
#include <utility>

namespace {

constexpr const char* kUnreadableCaption = "Results file not read";
constexpr const char* kWelcomeText = "Korvel - European Championship 1996\n"
                                     "\n"
                                     "This program can be used during or before the\n"
                                     "European Championschip Tournament soccer\n"
                                     "played in England between june 8 and june 30 1996\n"
                                     "\n"
                                     "Read the README.TXT file and help for instructions\n"
                                     "\n"
                                     "Time zone's are in daylight savings (summertime)\n"
                                     "Default = Central European (UTC + 2)\n"
                                     "Use Configure|Timezone to change\n";

std::string UnreadableText(const std::string& reason) {
    return std::string("The results file ") + kResultsFile + " cannot be read:\n" + reason +
           ".\n\nKorvel starts without the results in it. Saving will replace the file.";
}

} // namespace

void TDrawWindow::DoFirstTime() {
    // Opened without blocking and read only if it is a regular file: a FIFO or a
    // device in its place must not keep the window from ever showing.
    const FileRead file = ReadRegularFile(kResultsFile, kResultsFileSize);
    if (file.outcome == FileRead::Read) {
        const int records = DecodeResults(file.bytes, Wedstrijd);
        if (const int next = NextMatchAfterLoad(Wedstrijd, records))
            WedstrijdNummer = next;
    }
    MessageBox(kWelcomeText, "Korvel", MB_OK | MB_ICONINFORMATION);
    // Taking a file that exists for an empty one would let the next save destroy it
    // without a word.
    if (file.outcome == FileRead::Unreadable)
        MessageBox(UnreadableText(file.reason).c_str(), kUnreadableCaption,
                   MB_OK | MB_ICONEXCLAMATION);
    OfferUnsavedResults();
    Invalidate();
    FirstTime = 0;
}

void TDrawWindow::CmFileSave() {
    const ResultBytes bytes = EncodeResults(Wedstrijd);
    if (!WriteFileAtomically(kResultsFile, bytes, *fileOps_)) {
        MessageBox("Wegschrijven mislukt", "Fout bij wegschrijven gegevens", MB_OK | MB_ICONSTOP);
        return;
    }
    MoetSaven = 0;
    history_.MarkSaved();
    Announce("Results saved.");
}

void TDrawWindow::CmEditClear() {
    if (MessageBox("Are you sure?", "Clear all match results", MB_OKCANCEL | MB_ICONSTOP) != IDOK)
        return;
    ResultHistory::State before = Results();
    WedstrijdSchema();
    Invalidate();
    WedstrijdNummer = 0;
    MoetSaven = 1;
    RecordChange(std::move(before), "Clear all");
}
