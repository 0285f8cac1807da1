// SPDX-License-Identifier: GPL-3.0-or-later
// The results file korvel.dat: reading it at start-up without blocking, saying when it is
// odd or changed by someone else, saving it in one step, and Clear all.
#include "app/window/draw_window.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>
#include <utility>

namespace {

constexpr const char* kUnreadableCaption = "Results file not read";
constexpr const char* kOddSizeCaption = "Results file not as expected";
constexpr const char* kOtherKorvelCaption = "Korvel is already running";
constexpr const char* kSaveCaption = "Fout bij wegschrijven gegevens";
constexpr const char* kChangedCaption = "Results file changed";
constexpr const char* kBackupSuffix = "~";
// An odd file larger than this is not copied aside whole; Save then refuses to replace it.
constexpr std::size_t kMaxBackup = 64u << 20;
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

std::string OddSizeText(long long size, int records) {
    return std::string("The results file ") + kResultsFile + " is " + std::to_string(size) +
           (size == 1 ? " byte" : " bytes") + " long, not " + std::to_string(kResultsFileSize) +
           ".\n\nKorvel read " + std::to_string(records) + " of its " + std::to_string(kMatches) +
           " results" + (records < kMatches ? " (the rest stay empty)" : "") +
           ". Saving will replace it with a file of " + std::to_string(kResultsFileSize) +
           " bytes and keep the old one as " + kResultsFile + kBackupSuffix + ".";
}

constexpr const char* kOtherKorvelText =
    "Another Korvel is running in this folder.\n\nBoth save to the same korvel.dat: the last "
    "Save wins, and Korvel asks before it replaces results the other one saved.";

std::string ClockTime(std::time_t when) {
    char text[32] = "";
    std::tm local{};
    if (::localtime_r(&when, &local))
        std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

} // namespace

void TDrawWindow::DoFirstTime() {
    // Opened without blocking and read only if it is a regular file: a FIFO or a
    // device in its place must not keep the window from ever showing.
    const FileRead file = ReadRegularFile(kResultsFile, kResultsFileSize);
    int records = 0;
    if (file.outcome == FileRead::Read) {
        records = DecodeResults(file.bytes, Wedstrijd);
        if (const int next = NextMatchAfterLoad(Wedstrijd, records))
            WedstrijdNummer = next;
    }
    NoteFileState();
    NoteResults();
    // Taken before the first box, so that a Korvel started while this one still shows
    // it finds the folder taken.
    const bool alone = OnlyKorvelInFolder();
    MessageBox(kWelcomeText, "Korvel", MB_OK | MB_ICONINFORMATION);
    // Taking a file that exists for an empty one would let the next save destroy it
    // without a word.
    if (file.outcome == FileRead::Unreadable)
        MessageBox(UnreadableText(file.reason).c_str(), kUnreadableCaption,
                   MB_OK | MB_ICONEXCLAMATION);
    // A file of another size was not written by Korvel, or was cut short: the next
    // Save would cut or pad it, so it is said now and the old file kept aside then.
    if (file.outcome == FileRead::Read && known_->size != static_cast<off_t>(kResultsFileSize)) {
        backUpFirst_ = true;
        MessageBox(OddSizeText(known_->size, records).c_str(), kOddSizeCaption,
                   MB_OK | MB_ICONEXCLAMATION);
    }
    if (!alone)
        MessageBox(kOtherKorvelText, kOtherKorvelCaption, MB_OK | MB_ICONINFORMATION);
    OfferUnsavedResults();
    Invalidate();
    FirstTime = 0;
}

void TDrawWindow::NoteFileState() {
    known_ = FileStamp::Of(kResultsFile);
    knownAt_ = std::time(nullptr);
}

bool TDrawWindow::MayReplaceResultsFile() {
    if (!known_ || FileStamp::Of(kResultsFile) == *known_)
        return true;
    const std::string question =
        std::string(kResultsFile) + " was changed by another program since Korvel " +
        (savedOnce_ ? "saved" : "read") + " it at " + ClockTime(knownAt_) + ".\n\nReplace it?";
    return MessageBox(question.c_str(), kChangedCaption, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

bool TDrawWindow::BackUpOddFile() {
    const std::string backup = std::string(kResultsFile) + kBackupSuffix;
    const FileRead old = ReadRegularFile(kResultsFile, kMaxBackup + 1);
    if (old.outcome == FileRead::Missing)
        return true;
    if (old.outcome != FileRead::Read || old.bytes.size() > kMaxBackup) {
        errno = old.outcome == FileRead::Read ? EFBIG : errno;
        return false;
    }
    return WriteFileAtomically(backup.c_str(), old.bytes, *fileOps_);
}

void TDrawWindow::CmFileSave() {
    if (!MayReplaceResultsFile())
        return;
    const ResultBytes bytes = EncodeResults(Wedstrijd);
    const std::string backup = std::string(kResultsFile) + kBackupSuffix;
    const bool backedUp = !backUpFirst_ || BackUpOddFile();
    if (!backedUp || !WriteFileAtomically(kResultsFile, bytes, *fileOps_)) {
        const std::string text = std::string("Wegschrijven mislukt\n\n") +
                                 (backedUp ? kResultsFile : backup.c_str()) + ": " +
                                 std::strerror(errno);
        MessageBox(text.c_str(), kSaveCaption, MB_OK | MB_ICONSTOP);
        return;
    }
    backUpFirst_ = false;
    savedOnce_ = true;
    NoteFileState();
    MoetSaven = 0;
    NoteResults();
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
    NoteResults();
    RecordChange(std::move(before), "Clear all");
}
