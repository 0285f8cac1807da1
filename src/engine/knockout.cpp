// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/knockout.h"
#include "data/draw_window.h"

void TDrawWindow::BerekenKnockOut() {
    auto pair = [&](int match, int first, int second) {
        Wedstrijd[match].ploeg1 = first;
        Wedstrijd[match].ploeg2 = second;
    };
    pair(24, PoelB[1], PoelA[0]);
    pair(25, PoelB[0], PoelA[1]);
    pair(26, PoelC[0], PoelD[1]);
    pair(27, PoelC[1], PoelD[0]);
    pair(28, KnockOutWinner(Wedstrijd[25]), KnockOutWinner(Wedstrijd[27]));
    pair(29, KnockOutWinner(Wedstrijd[24]), KnockOutWinner(Wedstrijd[26]));
    pair(30, KnockOutWinner(Wedstrijd[29]), KnockOutWinner(Wedstrijd[28]));
}
