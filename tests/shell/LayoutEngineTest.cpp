#include "shell/LayoutEngine.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

// A window of 12780 x 13485 twips inside, 12915 outside: the plot comes out
// at 804 x 504 pixels with the design-time panels.
constexpr int kInnerW = 12780, kInnerH = 13485, kOuterW = 12915;

LayoutEngine laidOut(int innerW = kInnerW, int innerH = kInnerH, int outerW = kOuterW) {
    LayoutEngine engine;
    engine.resize(innerW, innerH, outerW);
    return engine;
}

TEST(LayoutEngine, ResizePlacesEveryRegion) {
    LayoutEngine engine = laidOut();
    const FormLayout& l = engine.layout();
    const int frame1W = l.frame1.rect.width, frame1H = l.frame1.rect.height;
    const int hsH = l.hs.rect.height, vsW = l.vs.rect.width;

    EXPECT_EQ(l.treeView1.rect,
              (Rect{frame1W + 60, 0, kInnerW - frame1W - 60 - 705, frame1H - 90}));
    EXPECT_EQ(l.grid2.rect, l.treeView1.rect);
    EXPECT_EQ(l.frame2.rect.top, frame1H - 90);
    EXPECT_EQ(l.frame2.rect.width, kInnerW - 60);
    EXPECT_EQ(l.frame2.rect.height, kInnerH - (frame1H - 90)); // the lower layout's rule
    EXPECT_EQ(l.picture1.rect,
              (Rect{60, 180, kOuterW - 600 - vsW, l.frame2.rect.height - hsH - 960}));
    EXPECT_EQ(l.picture1.rect.width, 804 * 15);
    EXPECT_EQ(l.picture1.rect.height, 504 * 15);
    EXPECT_EQ(l.grid1.rect, l.picture1.rect);
    EXPECT_EQ(l.hs.rect.top, l.picture1.rect.bottom() + 60);
    EXPECT_EQ(l.hs.rect.width, l.picture1.rect.width);
    EXPECT_EQ(l.vs.rect, (Rect{l.picture1.rect.right() + 60, 180, vsW, l.picture1.rect.height}));
    for (const WidgetGeometry* frame : {&l.frame3, &l.frame4, &l.frame5})
        EXPECT_EQ(frame->rect.top, l.hs.rect.bottom());
    EXPECT_EQ(l.check1.rect.left, kInnerW - l.check1.rect.width - 90);
    for (const WidgetGeometry& button : l.command3)
        EXPECT_EQ(button.rect.left, kInnerW - button.rect.width - 90);
    const int r = l.treeView1.rect.right();
    EXPECT_EQ(l.command2[0].rect.left, r - 2 * (l.command2[1].rect.width + 30) - vsW);
    EXPECT_EQ(l.command2[1].rect.left, r - l.command2[0].rect.width - 30 - vsW);
    EXPECT_EQ(l.command2[0].rect.top, 30);
    EXPECT_EQ(l.label2.rect.top, (l.picture1.rect.height - l.label2.rect.height) / 2);
    EXPECT_EQ(l.label2.rect.left, (l.picture1.rect.width - l.label2.rect.width) / 2);
    EXPECT_EQ(l.dir1.rect.height, frame1H - l.dir1.rect.top - 60);
    EXPECT_EQ(l.picture3.rect.width, kInnerW);
    EXPECT_FALSE(l.picture3.visible);
    for (const WidgetGeometry& label : l.label1)
        EXPECT_FALSE(label.visible);
    EXPECT_EQ(engine.pointer(), MousePointer::Default);
}

TEST(LayoutEngine, NarrowWindowKeepsListWidthAndRightColumn) {
    LayoutEngine engine = laidOut();
    const FormLayout before = engine.layout();
    const int tooNarrow = before.frame1.rect.width + 60 + 705; // Left + 705 is not below it
    engine.resize(tooNarrow, kInnerH, tooNarrow + 135);
    EXPECT_EQ(engine.layout().treeView1.rect.width, before.treeView1.rect.width);

    engine.resize(500, kInnerH, 635); // narrower than a tool button + 90
    EXPECT_EQ(engine.layout().check1.rect.left, before.check1.rect.left + (tooNarrow - kInnerW));
}

TEST(LayoutEngine, LowWindowKeepsPlotHeight) {
    LayoutEngine engine = laidOut();
    int plotHeight = engine.layout().picture1.rect.height;
    engine.resize(kInnerW, engine.layout().frame1.rect.height, kOuterW);
    EXPECT_EQ(engine.layout().picture1.rect.height, plotHeight);
}

TEST(LayoutEngine, VerticalSplitterMovesPanelEdge) {
    LayoutEngine engine = laidOut();
    const int grab = engine.layout().frame1.rect.width - 10;
    engine.frame1Down(grab);
    EXPECT_TRUE(engine.layout().picture2.visible);
    EXPECT_EQ(engine.pointer(), MousePointer::SizeWestEast);
    engine.frame1Move(LayoutEngine::kLeftButton, 5000);
    EXPECT_EQ(engine.layout().picture2.rect.left, 5000);
    engine.frame1Move(0, 6000);                         // no button held
    engine.frame1Move(LayoutEngine::kLeftButton, 2500); // left of the limit
    EXPECT_EQ(engine.layout().picture2.rect.left, 5000);

    EXPECT_TRUE(engine.frame1Up(5000));
    const FormLayout& l = engine.layout();
    EXPECT_EQ(l.frame1.rect.width, 4940);
    EXPECT_EQ(l.drive1.rect.width, 4940 - 1920);
    EXPECT_EQ(l.dir1.rect.width, 4940 - 780);
    EXPECT_EQ(l.check2.rect.left, 4940 - 1155);
    EXPECT_EQ(l.treeView1.rect.left, 5000);
    EXPECT_EQ(l.treeView1.rect.width, kInnerW - 5000 - 705);
    EXPECT_EQ(l.grid2.rect.left, 5000);
    EXPECT_EQ(l.grid2.rect.width, l.treeView1.rect.width);
    EXPECT_FALSE(l.picture2.visible);
    EXPECT_EQ(engine.pointer(), MousePointer::Default);

    engine.resize(kInnerW + 1500, kInnerH, kOuterW + 1500); // the width survives resizes
    EXPECT_EQ(engine.layout().frame1.rect.width, 4940);
    EXPECT_EQ(engine.layout().treeView1.rect.left, 5000);
}

TEST(LayoutEngine, VerticalSplitterIgnoresReleaseAtOrLeftOfLimit) {
    for (int release : {3000, 2000, -50}) {
        LayoutEngine engine = laidOut();
        const FormLayout before = engine.layout();
        engine.frame1Down(before.frame1.rect.width - 1);
        EXPECT_FALSE(engine.frame1Up(release));
        EXPECT_EQ(engine.layout().frame1.rect, before.frame1.rect);
        EXPECT_EQ(engine.layout().treeView1.rect, before.treeView1.rect);
        EXPECT_FALSE(engine.layout().picture2.visible);
    }
}

TEST(LayoutEngine, VerticalSplitterNeedsTheGrabZone) {
    LayoutEngine engine = laidOut();
    const int width = engine.layout().frame1.rect.width;
    engine.frame1Down(static_cast<int>(0.95 * width) - 1);
    EXPECT_FALSE(engine.layout().picture2.visible);
    EXPECT_FALSE(engine.frame1Up(5000));
    EXPECT_EQ(engine.layout().frame1.rect.width, width);
}

TEST(LayoutEngine, HorizontalSplitterMovesPlotTop) {
    LayoutEngine engine = laidOut();
    const FormLayout before = engine.layout();
    engine.frame2Down(100);
    EXPECT_TRUE(engine.layout().picture3.visible);
    EXPECT_EQ(engine.pointer(), MousePointer::SizeNorthSouth);
    engine.frame2Move(LayoutEngine::kLeftButton, -1000);
    EXPECT_EQ(engine.layout().picture3.rect.top, before.frame2.rect.top - 1000);

    EXPECT_TRUE(engine.frame2Up(-1000));
    const FormLayout& l = engine.layout();
    const int frame1H = before.frame1.rect.height - 1000;
    EXPECT_EQ(l.frame1.rect.height, frame1H);
    EXPECT_EQ(l.frame2.rect.top, frame1H - 90);
    EXPECT_EQ(l.frame2.rect.height, kInnerH - (frame1H - 90));
    EXPECT_EQ(l.picture1.rect.height, before.picture1.rect.height + 1000);
    EXPECT_EQ(l.grid1.rect, l.picture1.rect);
    EXPECT_EQ(l.hs.rect.top, l.picture1.rect.bottom() + 60);
    EXPECT_EQ(l.vs.rect.height, l.picture1.rect.height);
    EXPECT_EQ(l.dir1.rect.height, frame1H - l.dir1.rect.top - 60);
    EXPECT_EQ(l.treeView1.rect.height, frame1H - 90);
    EXPECT_EQ(l.grid2.rect.height, frame1H - 90);
    EXPECT_EQ(l.picture2.rect.height, frame1H);
    EXPECT_EQ(l.frame3.rect.top, l.hs.rect.bottom());
    EXPECT_EQ(l.label2.rect.top, (l.picture1.rect.height - l.label2.rect.height) / 2);
    EXPECT_FALSE(l.picture3.visible);

    engine.resize(kInnerW, kInnerH, kOuterW); // the height survives resizes
    EXPECT_EQ(engine.layout().frame1.rect.height, frame1H);
}

TEST(LayoutEngine, HorizontalReleaseThatEmptiesFrame1IsIgnored) {
    LayoutEngine engine = laidOut();
    const FormLayout before = engine.layout();
    const int height = before.frame1.rect.height;
    for (int release : {-height, -height - 500}) {
        engine.frame2Down(0);
        EXPECT_FALSE(engine.frame2Up(release));
        EXPECT_EQ(engine.layout().frame1.rect, before.frame1.rect);
        EXPECT_EQ(engine.layout().picture1.rect, before.picture1.rect);
        EXPECT_FALSE(engine.layout().picture3.visible);
        EXPECT_EQ(engine.pointer(), MousePointer::Default);
    }
    engine.frame2Down(0);
    EXPECT_TRUE(engine.frame2Up(-height + 1));
    EXPECT_EQ(engine.layout().frame1.rect.height, 1);
    EXPECT_EQ(engine.layout().dir1.rect.height, before.dir1.rect.height); // too low to follow
    EXPECT_EQ(engine.layout().treeView1.rect.height, before.treeView1.rect.height);
}

TEST(LayoutEngine, HorizontalReleaseWithoutBarOnlyResetsPointer) {
    LayoutEngine engine = laidOut();
    const FormLayout before = engine.layout();
    engine.frame2Down(before.picture1.rect.top); // not above the plot
    EXPECT_FALSE(engine.layout().picture3.visible);
    engine.frame2Move(LayoutEngine::kLeftButton, -500);
    EXPECT_FALSE(engine.frame2Up(-500));
    EXPECT_EQ(engine.layout().frame1.rect, before.frame1.rect);
}

} // namespace
} // namespace plotwise
