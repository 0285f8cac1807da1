// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/result_dlg.h"

#include "dialogs/number_text.h"
#include "dialogs/templates.h"

#include <span>
#include <string>

ResultDlgTB::ResultDlgTB() : score1{}, score2{}, datum{}, tijd{}, stadion{}, ploeg1{}, ploeg2{} {}

namespace {

template <std::size_t N> void CopyField(std::array<char, N>& to, const char (&from)[N]) {
    CopyToField(to, FieldText(from));
}

} // namespace

ResultDlg::ResultDlg(ResultDlgTB* tb, TWindow* parent, int resId)
    : TDialog(parent, *FindTemplate(resId)) {
    tSCORE1 = BindEdit(306, 4);
    tSCORE2 = BindEdit(307, 4);
    CopyField(datum, tb->datum);
    CopyField(tijd, tb->tijd);
    CopyField(stadion, tb->stadion);
    CopyField(ploeg1, tb->ploeg1);
    CopyField(ploeg2, tb->ploeg2);
    CopyField(score1, tb->score1);
    CopyField(score2, tb->score2);
    SetTransferBuffer(std::span<char>(reinterpret_cast<char*>(tb), sizeof(ResultDlgTB)));
}

void ResultDlg::SetupWindow() {
    tDATUM = BindStatic(301, 4);
    tTIJD = BindStatic(302, 6);
    tSTADION = BindStatic(303, 40);
    tPLOEG1 = BindStatic(304, 20);
    tPLOEG2 = BindStatic(305, 20);
    TDialog::SetupWindow();
    tDATUM->SetText(FieldText(datum));
    tTIJD->SetText(FieldText(tijd));
    tSTADION->SetText(FieldText(stadion));
    tPLOEG1->SetText(FieldText(ploeg1));
    tPLOEG2->SetText(FieldText(ploeg2));
    tSCORE1->SetText(FieldText(score1));
    tSCORE2->SetText(FieldText(score2));
}

bool ResultDlg::CanClose() {
    for (const TEdit* edit : {tSCORE1, tSCORE2}) {
        const std::int32_t goals = TextToNumber(edit->GetText());
        if (goals < 0 || goals > kMaxScore) {
            MessageBox("A score must be a number from 0 to 255.\n"
                       "Please correct the score and press OK again.",
                       "Enter match result", MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
    }
    return true;
}

std::string ResultDlg::FieldName(int id) const {
    if (id == 306)
        return std::string(FieldText(ploeg1)) + " score";
    if (id == 307)
        return std::string(FieldText(ploeg2)) + " score";
    return {};
}

std::string ResultDlg::Description() const {
    // The kick-off as the dialog shows it, "1600" or "30+" for the next day, said as a
    // time of day.
    std::string time(FieldText(tijd));
    std::string day;
    if (!time.empty() && (time.back() == '+' || time.back() == '-')) {
        day = time.back() == '+' ? " the next day" : " the day before";
        time.pop_back();
    }
    if (!time.empty() && time.size() <= 4 &&
        time.find_first_not_of("0123456789") == std::string::npos) {
        time.insert(0, 4 - time.size(), '0');
        time.insert(2, ":");
    }
    return std::string(FieldText(ploeg1)) + " - " + std::string(FieldText(ploeg2)) + ", " +
           std::string(FieldText(datum)) + " June, " + time + day + ", " +
           std::string(FieldText(stadion));
}
