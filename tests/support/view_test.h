// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/fixture.h"
#include "views/pictures.h"

#include <string>
#include <string_view>

// The colours the views must use, written out here rather than taken from the
// program, so that a wrong colour in the program cannot agree with itself.
inline constexpr TColor kOlive{128, 128, 0};
inline constexpr TColor kLtRed{255, 0, 0};
inline constexpr TColor kLtBlue{0, 0, 255};
inline constexpr TColor kGreen{0, 128, 0};
inline constexpr TColor kBlack{0, 0, 0};
inline constexpr TColor kGray{128, 128, 128};
inline constexpr TColor kDarkYellow{192, 192, 0};
inline constexpr TColor kLightGrey{192, 192, 192};
inline constexpr TColor kWhite{255, 255, 255};

// A colour as text, so that a failed comparison reads as three numbers.
inline std::string Rgb(TColor c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

// One view of the main window on the recording toolkit, past its start-up (the
// welcome box is not under test here), with the pictures' handles loaded.
class ViewTest : public WindowTest {
  protected:
    explicit ViewTest(int view) {
        LoadPictures();
        window.FirstTime = 0;
        window.SchermType = view;
    }

    // The text that shows at a position: the last one drawn there.
    std::string Shown(int x, int y) const {
        const DrawOp* op = host.TextAt(x, y);
        return op ? op->text : "<nothing drawn>";
    }

    void ExpectText(int x, int y, std::string_view text, TColor colour) {
        const DrawOp* op = host.TextAt(x, y);
        ASSERT_NE(op, nullptr) << "no text at (" << x << "," << y << "), expected \"" << text
                               << "\"";
        EXPECT_EQ(op->text, text) << "at (" << x << "," << y << ")";
        EXPECT_EQ(Rgb(op->color), Rgb(colour))
            << "colour of \"" << text << "\" at (" << x << "," << y << ")";
    }
};
