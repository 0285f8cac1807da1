// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window/draw_window.h"
#include "platform/recording/recording_host.h"

#include <gtest/gtest.h>

// A main window on the recording toolkit. A box or dialog the test did not script
// fails the test.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        host.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
        host.Attach(window);
    }
    void TearDown() override { EXPECT_TRUE(host.ScriptDone()) << "scripted answers left unused"; }

    // Enters a result directly, as OK in the result dialog stores it.
    void Result(int match, int score1, int score2) {
        window.Wedstrijd[match].score1 = score1;
        window.Wedstrijd[match].score2 = score2;
        window.Wedstrijd[match].gespeeld = 1;
    }

    RecordingHost host;
    TDrawWindow window{nullptr};
};
