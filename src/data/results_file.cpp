#include "data/draw_window.h"

namespace {

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

} // namespace

void TDrawWindow::DoFirstTime() {
    if (const auto bytes = ReadFileHead(kResultsFile, kResultsFileSize)) {
        const int records = DecodeResults(*bytes, Wedstrijd);
        for (int i = 0; i < records && i < kFinal; ++i)
            if (Wedstrijd[i].gespeeld == 1)
                WedstrijdNummer = i + 1;
    }
    MessageBox(kWelcomeText, "Korvel", MB_OK | MB_ICONINFORMATION);
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
}

void TDrawWindow::CmEditClear() {
    if (MessageBox("Are you sure?", "Clear all match results", MB_OKCANCEL | MB_ICONSTOP) != IDOK)
        return;
    WedstrijdSchema();
    Invalidate();
    WedstrijdNummer = 0;
    MoetSaven = 1;
}
