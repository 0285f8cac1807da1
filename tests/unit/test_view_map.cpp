// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/view_test.h"

#include <string>
#include <vector>

namespace {

// One drawing operation as one comparable line of text.
std::string Describe(const DrawOp& op) {
    switch (op.kind) {
    case DrawOp::Text:
        return "text (" + std::to_string(op.x) + "," + std::to_string(op.y) + ") \"" + op.text +
               "\" in " + Rgb(op.color);
    case DrawOp::Line:
        return "line (" + std::to_string(op.x) + "," + std::to_string(op.y) + ")-(" +
               std::to_string(op.x2) + "," + std::to_string(op.y2) + ") pen " + Rgb(op.color) +
               " width " + std::to_string(op.penWidth);
    case DrawOp::Rect:
        return "rect (" + std::to_string(op.x) + "," + std::to_string(op.y) + "," +
               std::to_string(op.x2) + "," + std::to_string(op.y2) + ") pen " + Rgb(op.color) +
               " width " + std::to_string(op.penWidth) + " brush " + Rgb(op.brush);
    case DrawOp::Bitmap:
        return "bitmap " + std::to_string(op.bitmapId) + " at (" + std::to_string(op.x) + "," +
               std::to_string(op.y) + ")";
    }
    return "?";
}

std::vector<std::string> Describe(const std::vector<DrawOp>& ops) {
    std::vector<std::string> lines;
    for (const DrawOp& op : ops)
        lines.push_back(Describe(op));
    return lines;
}

class ViewMap : public ViewTest {
  protected:
    ViewMap() : ViewTest(2) {}
};

TEST_F(ViewMap, DrawsMapMarkersFramesAndFlagsInThatOrder) {
    std::vector<std::string> expected = {"bitmap 500 at (195,50)"};
    struct Marker {
        int fx, fy, tx, ty, lx, ly;
        const char* label;
    };
    const Marker markers[] = {
        {350, 211, 200, 110, 50, 100, "Old Tratford, Manchester"},
        {341, 212, 200, 160, 50, 150, "Anfield Road, Liverpool"},
        {366, 227, 200, 210, 50, 200, "City Ground, Nottingham"},
        {358, 243, 200, 260, 50, 250, "Villa Park, Birmingham"},
        {364, 169, 450, 110, 450, 100, "St. James Park, Newcastle"},
        {363, 203, 450, 160, 450, 150, "Elland Road, Leeds"},
        {368, 214, 450, 210, 450, 200, "Hillsborough, Sheffield"},
        {393, 271, 450, 260, 450, 250, "Wembley, Londen"},
    };
    for (const Marker& m : markers) {
        expected.push_back("line (" + std::to_string(m.fx) + "," + std::to_string(m.fy) + ")-(" +
                           std::to_string(m.tx) + "," + std::to_string(m.ty) +
                           ") pen 0,0,0 width 1");
        expected.push_back("text (" + std::to_string(m.lx) + "," + std::to_string(m.ly) + ") \"" +
                           m.label + "\" in 0,0,0");
    }
    for (const char* frame :
         {"(48,28,218,62)", "(422,28,592,62)", "(48,298,218,332)", "(422,298,592,332)"})
        expected.push_back(std::string("rect ") + frame +
                           " pen 192,192,192 width 1 brush 192,192,192");
    // Flags in team-index order: four to a frame, 42 pixels apart.
    const int xs[2][4] = {{50, 92, 134, 176}, {424, 466, 508, 550}};
    for (int team = 0; team < 16; ++team) {
        const int group = team / 4;
        const int x = xs[group % 2][team % 4];
        const int y = group < 2 ? 30 : 300;
        expected.push_back("bitmap " + std::to_string(601 + team) + " at (" + std::to_string(x) +
                           "," + std::to_string(y) + ")");
    }

    host.Render(window);
    EXPECT_EQ(Describe(host.ops), expected);
}

TEST_F(ViewMap, EnteredResultsChangeNothing) {
    host.Render(window);
    const auto before = Describe(host.ops);

    for (int i = 0; i < 31; ++i)
        Result(i, i % 4, (i + 1) % 3);
    window.TimeZone = -700;
    host.Render(window);
    EXPECT_EQ(Describe(host.ops), before);
}

} // namespace
