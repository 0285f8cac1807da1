// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialog.h"

#include <array>

// What result entry and its dialog exchange. The two score fields come first:
// they are the ones the edit fields transfer, in binding order.
struct ResultDlgTB {
    ResultDlgTB();
    char score1[4];
    char score2[4];
    char datum[4];
    char tijd[6];
    char stadion[40];
    char ploeg1[20];
    char ploeg2[20];
};

// The result dialog, template 300.
class ResultDlg : public TDialog {
  public:
    ResultDlg(ResultDlgTB* tb, TWindow* parent, int resId);
    void SetupWindow() override;
    // A score is kept in one byte of the results file, so only 0..255 comes back
    // from a save unchanged; anything else is refused with a message.
    bool CanClose() override;
    // Each score field is named after its team: the two fields stand side by side
    // with only a dash between them.
    std::string FieldName(int id) const override;
    // Which match: "England - Switzerland, 8 June, 16:00, Wembley, London", said when
    // the dialog opens.
    std::string Description() const override;

  private:
    std::array<char, 4> datum{};
    std::array<char, 6> tijd{};
    std::array<char, 40> stadion{};
    std::array<char, 20> ploeg1{};
    std::array<char, 20> ploeg2{};
    std::array<char, 4> score1{};
    std::array<char, 4> score2{};

    TEdit* tSCORE1;
    TEdit* tSCORE2;
    TStatic* tDATUM = nullptr;
    TStatic* tTIJD = nullptr;
    TStatic* tSTADION = nullptr;
    TStatic* tPLOEG1 = nullptr;
    TStatic* tPLOEG2 = nullptr;
};

inline constexpr int kMaxScore = 255;
