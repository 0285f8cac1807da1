#include "data/draw_window.h"

namespace {

constexpr int kLineHeight = 15;
constexpr int kRightColumn = 340;

} // namespace

void TDrawWindow::PrintSchema() {
    TClientDC dc(*this);
    BerekenStand();
    TekenLogos();

    for (int i = 0; i < kGroupMatches; ++i)
        PrintWedstrijdRegel(i, 0, kLineHeight * i);

    int y = 0;
    dc.TextOut(kRightColumn, y, "Quarter finales");
    for (int i = 24; i <= 27; ++i) {
        y += kLineHeight;
        PrintWedstrijdRegel(i, kRightColumn, y);
    }
    y += 2 * kLineHeight;
    dc.TextOut(kRightColumn, y, "Semi finals");
    for (int i = 28; i <= 29; ++i) {
        y += kLineHeight;
        PrintWedstrijdRegel(i, kRightColumn, y);
    }
    y += 2 * kLineHeight;
    dc.TextOut(kRightColumn, y, "Final");
    y += kLineHeight;
    PrintWedstrijdRegel(kFinal, kRightColumn, y);

    dc.Rectangle(340, 245, 630, 270);
    dc.SetTextColor(TColor::LtBlue);
    dc.TextOut(350, 250, "Click on a match to enter/edit result");
}
