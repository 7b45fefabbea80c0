#include "shell/LayoutEngine.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

// A window of 12780 x 13485 twips inside, 12915 outside: the plot comes out
// at 804 x 504 pixels with the design-time panels.
constexpr int kInnerW = 12780, kInnerH = 13485, kOuterW = 12915;

LayoutEngine laidOut() {
    LayoutEngine engine;
    engine.resize(kInnerW, kInnerH, kOuterW);
    return engine;
}

// Every widget's rectangle and visibility, compared one by one.
void expectSameLayout(const FormLayout& actual, const FormLayout& expected) {
    const auto a = actual.named(), e = expected.named();
    ASSERT_EQ(a.size(), e.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].geometry.rect, e[i].geometry.rect) << a[i].name;
        EXPECT_EQ(a[i].geometry.visible, e[i].geometry.visible) << a[i].name;
    }
}

// The plot gets what the panels leave; the table and the result grid lie on
// the plot and the list; the right-hand buttons keep to the right edge.
TEST(LayoutEngine, ResizePlacesEveryRegion) {
    LayoutEngine engine = laidOut();
    const FormLayout& l = engine.layout();
    const int frame1W = l.frame1.rect.width, frame1H = l.frame1.rect.height;
    EXPECT_EQ(l.treeView1.rect, (Rect{frame1W + 60, 0, kInnerW - frame1W - 60 - 705, frame1H - 90}));
    EXPECT_EQ(l.frame2.rect, (Rect{0, frame1H - 90, kInnerW - 60, kInnerH - (frame1H - 90)}));
    EXPECT_EQ(l.picture1.rect, (Rect{60, 180, 804 * 15, 504 * 15}));
    EXPECT_EQ(l.grid1.rect, l.picture1.rect);
    EXPECT_EQ(l.grid2.rect, l.treeView1.rect);
    EXPECT_EQ(l.vs.rect, (Rect{l.picture1.rect.right() + 60, 180, l.vs.rect.width, l.picture1.rect.height}));
    for (const WidgetGeometry& button : l.command3)
        EXPECT_EQ(button.rect.left, kInnerW - button.rect.width - 90);
    EXPECT_FALSE(l.picture3.visible);
}

TEST(LayoutEngine, ResizeTooSmallKeepsWidths) {
    LayoutEngine engine = laidOut();
    const FormLayout before = engine.layout();
    const int tooNarrow = before.frame1.rect.width + 60 + 705; // Left + 705 is not below it
    engine.resize(tooNarrow, kInnerH, tooNarrow + 135);
    EXPECT_EQ(engine.layout().treeView1.rect.width, before.treeView1.rect.width);
    engine.resize(500, before.frame1.rect.height, 635); // narrower than a tool button + 90
    EXPECT_EQ(engine.layout().check1.rect.left, before.check1.rect.left + (tooNarrow - kInnerW));
    EXPECT_EQ(engine.layout().picture1.rect.height, before.picture1.rect.height);
}

// After a drag, a resize to the same size recomputes the same layout: the
// splitter position lives on in Frame1's width or height.
TEST(LayoutEngine, SplitterDragsMovePanelEdges) {
    LayoutEngine engine = laidOut();
    const FormLayout before = engine.layout();
    engine.frame1Down(before.frame1.rect.width - 10);
    EXPECT_TRUE(engine.layout().picture2.visible);
    EXPECT_EQ(engine.pointer(), MousePointer::SizeWestEast);
    engine.frame1Move(LayoutEngine::kLeftButton, 5000);
    EXPECT_EQ(engine.layout().picture2.rect.left, 5000);
    engine.frame1Move(0, 6000);                         // no button held
    engine.frame1Move(LayoutEngine::kLeftButton, 3000); // not right of the limit
    EXPECT_EQ(engine.layout().picture2.rect.left, 5000);
    EXPECT_TRUE(engine.frame1Up(5000));
    const FormLayout& l = engine.layout();
    EXPECT_EQ(l.frame1.rect.width, 4940);
    EXPECT_EQ(l.drive1.rect.width, 4940 - 1920);
    EXPECT_EQ(l.dir1.rect.width, 4940 - 780);
    EXPECT_EQ(l.check2.rect.left, 4940 - 1155);
    EXPECT_EQ(l.treeView1.rect, (Rect{5000, 0, kInnerW - 5000 - 705, l.treeView1.rect.height}));
    EXPECT_EQ(l.grid2.rect, l.treeView1.rect);
    EXPECT_FALSE(l.picture2.visible);
    EXPECT_EQ(engine.pointer(), MousePointer::Default);
    FormLayout afterDrag = l;
    engine.resize(kInnerW, kInnerH, kOuterW);
    expectSameLayout(engine.layout(), afterDrag);

    engine.frame2Down(100);
    EXPECT_TRUE(engine.layout().picture3.visible);
    EXPECT_EQ(engine.pointer(), MousePointer::SizeNorthSouth);
    engine.frame2Move(LayoutEngine::kLeftButton, -1000);
    EXPECT_EQ(engine.layout().picture3.rect.top, before.frame2.rect.top - 1000);
    EXPECT_TRUE(engine.frame2Up(-1000));
    EXPECT_EQ(l.frame1.rect.height, before.frame1.rect.height - 1000);
    EXPECT_EQ(l.picture1.rect.height, before.picture1.rect.height + 1000);
    EXPECT_EQ(l.treeView1.rect.height, before.treeView1.rect.height - 1000);
    EXPECT_FALSE(l.picture3.visible);
    EXPECT_EQ(engine.pointer(), MousePointer::Default);
    afterDrag = l;
    engine.resize(kInnerW, kInnerH, kOuterW);
    expectSameLayout(engine.layout(), afterDrag);
}

// At its minimum size the window shows every control whole, and a drag of
// the horizontal splitter leaves the plot its minimum height.
TEST(LayoutEngine, MinimumSizeShowsEveryControl) {
    LayoutEngine engine;
    const Rect area = engine.minimumClientArea();
    engine.resize(area.width, area.height, area.width + 135);
    const FormLayout& l = engine.layout();
    const Rect frame2 = l.frame2.rect;
    for (const NamedWidget& w : l.named()) {
        if (!w.geometry.visible || w.container == "Picture1" || w.container == "Frame1") continue;
        Rect r = w.geometry.rect;
        if (w.container == "Frame2") r = {r.left + frame2.left, r.top + frame2.top, r.width, r.height};
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right() <= area.width && r.bottom() <= area.height)
            << w.name;
    }
    EXPECT_EQ(l.picture1.rect.height, LayoutEngine::kMinimumPlotHeight);
    engine.resize(area.width, area.height + 1000, area.width + 135);
    engine.frame2Down(0);
    EXPECT_TRUE(engine.frame2Up(3000));
    EXPECT_EQ(l.picture1.rect.height, LayoutEngine::kMinimumPlotHeight);
    EXPECT_EQ(l.frame1.rect.height, 4800 + 1000);
}

TEST(LayoutEngine, IgnoredSplitterReleases) {
    struct Row {
        const char* name;
        bool vertical, grabbed;
        int release;
    } rows[] = {
        {"vertical release at 3000", true, true, 3000},
        {"vertical release left of 3000", true, true, -50},
        {"vertical press left of the grab zone", true, false, 5000},
        {"release that empties Frame1", false, true, -4800},
        {"release above the window", false, true, -5300},
        {"horizontal press not above the plot", false, false, -500},
    };
    for (const Row& row : rows) {
        LayoutEngine engine = laidOut();
        const FormLayout before = engine.layout();
        ASSERT_EQ(before.frame1.rect.height, 4800);
        if (row.vertical) {
            const int width = before.frame1.rect.width;
            engine.frame1Down(row.grabbed ? width - 1 : static_cast<int>(0.95 * width) - 1);
            engine.frame1Move(LayoutEngine::kLeftButton, row.release);
            EXPECT_FALSE(engine.frame1Up(row.release)) << row.name;
        } else {
            engine.frame2Down(row.grabbed ? 0 : before.picture1.rect.top);
            if (!row.grabbed) engine.frame2Move(LayoutEngine::kLeftButton, row.release);
            EXPECT_FALSE(engine.frame2Up(row.release)) << row.name;
        }
        SCOPED_TRACE(row.name);
        expectSameLayout(engine.layout(), before);
        EXPECT_EQ(engine.pointer(), MousePointer::Default);
    }
    LayoutEngine engine = laidOut(); // the highest release that still counts
    const FormLayout before = engine.layout();
    engine.frame2Down(0);
    EXPECT_TRUE(engine.frame2Up(-4799));
    EXPECT_EQ(engine.layout().frame1.rect.height, 1);
    EXPECT_EQ(engine.layout().dir1.rect.height, before.dir1.rect.height); // too low to follow
    EXPECT_EQ(engine.layout().treeView1.rect.height, before.treeView1.rect.height);
}

} // namespace
} // namespace plotwise
