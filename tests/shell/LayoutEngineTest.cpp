#include "shell/LayoutEngine.h"
#include "support/CaseFile.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

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

// Runs the steps of a case ("rs:w,h,outer" resize, "d1:x" "m1:button,x"
// "u1:x" on the vertical splitter, "d2" "m2" "u2" on the horizontal one) and
// writes what each did, then every widget's place and visibility.
std::string runSteps(const test::CaseFields& steps) {
    LayoutEngine engine = laidOut();
    std::ostringstream out;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        const std::string op = steps[i].substr(0, 2);
        std::vector<int> a;
        for (std::istringstream in(steps[i].substr(3)); in.good(); in.ignore()) a.push_back(0), in >> a.back();
        std::string result;
        if (op == "rs") engine.resize(a.at(0), a.at(1), a.at(2));
        else if (op == "d1") engine.frame1Down(a.at(0));
        else if (op == "m1") engine.frame1Move(a.at(0), a.at(1));
        else if (op == "u1") result = engine.frame1Up(a.at(0)) ? " -> taken" : " -> ignored";
        else if (op == "d2") engine.frame2Down(a.at(0));
        else if (op == "m2") engine.frame2Move(a.at(0), a.at(1));
        else if (op == "u2") result = engine.frame2Up(a.at(0)) ? " -> taken" : " -> ignored";
        else ADD_FAILURE() << "unknown step " << steps[i];
        const FormLayout& l = engine.layout();
        out << steps[i] << result << " pointer " << int(engine.pointer()) << " bars "
            << (l.picture2.visible ? std::to_string(l.picture2.rect.left) : "-") << " "
            << (l.picture3.visible ? std::to_string(l.picture3.rect.top) : "-") << "\n";
    }
    for (const NamedWidget& w : engine.layout().named()) {
        const Rect& r = w.geometry.rect;
        out << w.name << " " << w.container << " " << r.left << " " << r.top << " " << r.width << " "
            << r.height << (w.geometry.visible ? "" : " hidden") << "\n";
    }
    return out.str();
}

// The layout after a resize, a splitter drag or one the splitters ignore, and
// a resize to the same size after a drag (the splitter position lives on in
// Frame1's width or height): each case's lines are in layout_results.txt.
TEST(LayoutEngine, ResizesAndSplitterDrags) {
    std::map<std::string, std::string> expected;
    std::ifstream in(PLOTWISE_TESTDATA_DIR "/layout_results.txt");
    for (std::string line, name; std::getline(in, line);)
        line.starts_with("== ") ? void(name = line.substr(3)) : void(expected[name] += line + "\n");
    std::ostringstream all;
    for (const auto& [line, steps] : test::readCases(PLOTWISE_TESTDATA_DIR "/layout_cases.txt")) {
        const std::string actual = runSteps(steps);
        EXPECT_EQ(actual, expected[steps[0]]) << line;
        all << "== " << steps[0] << "\n" << actual;
    }
    if (std::getenv("PLOTWISE_UPDATE_RESULTS")) // to write the file anew after a change
        std::ofstream(PLOTWISE_TESTDATA_DIR "/layout_results.txt") << all.str();
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

} // namespace
} // namespace plotwise
