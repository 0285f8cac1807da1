// SPDX-License-Identifier: GPL-3.0-or-later
// The render loop of the Qt host: repaint requests coalesced into one render, the
// welcome box over the first paint, boxes opened during a render, and a click that
// renders and repaints the canvas once however the focus moves.
#include "dialogs/templates.h"
#include "host_test.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <vector>

namespace {

TEST_F(HostTest, TenRepaintRequestsGiveOneRenderLater) {
    for (int i = 0; i < 10; ++i)
        Client().Invalidate();
    EXPECT_EQ(window_->RenderCount(), 0) << "a request only queues the render";
    QCoreApplication::processEvents();
    EXPECT_EQ(window_->RenderCount(), 1);
    ASSERT_TRUE(RunPostedEvents()); // where a render the first one queued would run
    EXPECT_EQ(window_->RenderCount(), 1);
}

TEST_F(HostTest, FirstPaintShowsTheWelcomeBoxOnceOverTheStandings) {
    Client().FirstTime = 1;
    ModalScript script;
    int rendersAtBox = -1;
    bool renderingAtBox = false;
    QRgb finalFrameAtBox = 0;
    script.Then([&](QWidget& box) {
        rendersAtBox = window_->RenderCount();
        renderingAtBox = window_->Host().Rendering();
        finalFrameAtBox = window_->CanvasImage().pixel(205, 340);
        Press(QStringLiteral("Korvel"), QMessageBox::Ok)(box);
    });
    Show(); // the first show asks for the first paint
    ASSERT_TRUE(
        RunUntil([this] { return Client().FirstTime == 0 && !window_->Host().RenderPending(); }));
    ASSERT_TRUE(RunPostedEvents()); // where a third render, or its box, would come
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(rendersAtBox, 1);
    EXPECT_TRUE(renderingAtBox);
    EXPECT_EQ(finalFrameAtBox, qRgb(192, 192, 0)) << "the standings are drawn behind the box";
    // The welcome's own repaint request makes one more render, and no more boxes.
    EXPECT_EQ(window_->RenderCount(), 2);
}

int GroupMatchBetween(int a, int b) {
    for (int i = 0; i < kGroupMatches; ++i) {
        const ScheduleRow& row = schema[i];
        if ((row.ploeg1 == a && row.ploeg2 == b) || (row.ploeg1 == b && row.ploeg2 == a))
            return i;
    }
    return -1;
}

// Sets a result in which `winner` beats `loser` 1-0.
void Beats(TDrawWindow& client, int winner, int loser) {
    const int i = GroupMatchBetween(winner, loser);
    ASSERT_GE(i, 0);
    Game& g = client.Wedstrijd[i];
    g.score1 = g.ploeg1 == winner ? 1 : 0;
    g.score2 = g.ploeg1 == winner ? 0 : 1;
    g.gespeeld = 1;
}

TEST_F(HostTest, BoxesDuringARenderNeitherNestNorRepeatRenders) {
    // Three teams of group A beat each other in a circle: the tie-breaker reports
    // each of those matches in a box while the standings are drawn.
    Beats(Client(), 0, 1);
    Beats(Client(), 1, 2);
    Beats(Client(), 2, 0);
    Show();
    window_->RunPendingRenders(); // the first paint, before the reports are switched on
    PaintCounter paints(*window_->Canvas());
    // The first render on screen, before the boxes' renders' paints are counted.
    ASSERT_TRUE(RunPostedEvents());
    Client().ShowTieBreaker = 1;
    struct Seen {
        int render;
        bool rendering;
    };
    std::vector<Seen> seen;
    int paintsBeforeRender = 0;
    ModalScript script;
    script.Always([&](QWidget& box) {
        seen.push_back({window_->RenderCount(), window_->Host().Rendering()});
        EXPECT_EQ(box.windowTitle(), QStringLiteral("TieBreaker wedstrijd"));
        if (seen.size() == 1) {
            // What the render has drawn so far goes on screen behind the box.
            EXPECT_TRUE(RunUntil([&] { return paints.count > paintsBeforeRender; }, 1000));
            // A repaint request while the render waits for the box: it runs afterwards.
            Client().Invalidate();
        }
        Press(QStringLiteral("TieBreaker wedstrijd"), QMessageBox::Ok)(box);
    });
    const int before = window_->RenderCount();
    paintsBeforeRender = paints.count;
    Client().Invalidate();
    ASSERT_TRUE(RunUntil(
        [&] { return window_->RenderCount() == before + 2 && !window_->Host().Rendering(); }));
    // Closing the boxes must not start anything by itself.
    ASSERT_TRUE(RunPostedEvents());
    EXPECT_EQ(window_->RenderCount(), before + 2);
    ASSERT_FALSE(seen.empty());
    ASSERT_EQ(seen.size() % 2, 0u);
    const std::size_t perRender = seen.size() / 2;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(seen[i].rendering);
        EXPECT_EQ(seen[i].render, before + 1 + static_cast<int>(i / perRender));
    }
}

TEST_F(HostTest, ClickOnAMatchAndCancelRenderAndRepaintTheCanvasOnce) {
    // The canvas draws no focus mark: the focus moving to it with the click, to the
    // dialog and back when the dialog closes must not repaint the whole canvas each
    // time. The click asks for one render (and its one repaint), however it ends.
    Show();
    Client().CmShowSchema();
    window_->RunPendingRenders();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_->Window()));
    PaintCounter paints(*window_->Canvas());
    // The render's repaint, and the activation's if any, before the click's are counted.
    ASSERT_TRUE(RunPostedEvents());
    paints.count = 0;
    const int renders = window_->RenderCount();
    ModalScript script;
    script.Then([](QWidget& dialog) { Button(dialog, IDCANCEL)->click(); });
    QTest::mouseClick(window_->Canvas(), Qt::LeftButton, {}, QPoint(100, 2 * 15 + 7));
    ASSERT_TRUE(RunUntil([&] { return script.Done() && !QApplication::activeModalWidget(); }));
    // The click's render has run and the view has the keys back: a repaint for either,
    // or a render more, is queued by now.
    ASSERT_TRUE(RunUntil(
        [&] { return window_->RenderCount() > renders && window_->Canvas()->hasFocus(); }));
    ASSERT_TRUE(RunPostedEvents());
    EXPECT_EQ(Client().WedstrijdNummer, 2) << "the click reached the match";
    EXPECT_EQ(window_->RenderCount(), renders + 1);
    EXPECT_EQ(paints.count, 1);
}

} // namespace
