// The plot driven by the scripts in data/: the number rules (scales.txt) and
// sessions of list, keyboard and mouse steps on a fresh plot each, with checks
// of the view and the picture (sessions.txt). The head of sessions.txt says
// how a line reads.
#include "FakePlotHost.h"
#include "support/CaseFile.h"

#include <map>

namespace plotwise::test {
namespace {

using Args = CaseFields;

// A number, or a sum of products such as 1200+4530-39*12.5 (no brackets).
double eval(const std::string& text) {
    double sum = 0, term = 1;
    char op = '*';
    for (std::size_t i = 0; i < text.size();) {
        std::size_t used = 0;
        const double value = std::stod(text.substr(i), &used);
        term = op == '*' ? term * value : term / value;
        i += used;
        op = i < text.size() ? text[i++] : '+';
        if (op == '+' || op == '-') {
            sum += std::exchange(term, op == '-' ? -1 : 1);
            op = '*';
        }
    }
    return sum;
}

// A value of a script: x:<design X> and y:<design Y> are the pixels they fall
// in (sx = sy = 1), anything else a number as eval reads it.
double value(const std::string& token) {
    if (token.starts_with("x:")) return px(eval(token.substr(2)));
    return token.starts_with("y:") ? py(eval(token.substr(2))) : eval(token);
}

template <class T> std::string text(const T& t) {
    std::ostringstream out;
    out << std::setprecision(8) << t;
    return out.str();
}

// One script session on a fresh plot: steps change it, probes read it.
class Session : public PlotBench {
public:
    void step(const Args& a) {
        const auto i = [&a](std::size_t k) { return static_cast<int>(value(a.at(k))); };
        const std::map<std::string, std::function<void()>> steps{
            {"curve", [&] { curveAt300(i(1)); }},
            {"row", [&] {
                 host.addRow(a.at(1), a.at(2), std::vector<double>(i(3), value(a.at(4))),
                             a.size() > 5 ? a[5] : "0", a.size() > 6 ? std::stoul(a[6], 0, 16) : 0);
             }},
            {"clear", [&] { host.table.setRowCount(1); }},
            {"format", [&] { host.load.curveFormat = i(1); }},
            {"result-table", [&] { host.list.checkBoxes = !(host.resultTable = true); }},
            {"picture", [&] { host.picture = i(1); }},
            {"size", [&] { plot.resizePicture(i(1), i(2)); }},
            {"scale", [&] { plot.option1Click(i(1)); }},
            {"hs", [&] { plot.setHS(a[1][0] == '+' ? plot.hs().value + i(1) : i(1)); }},
            {"vs", [&] { plot.setVS(i(1)); }},
            {"text1", [&] { plot.setText1(a.at(1)); }},
            {"text2", [&] { plot.setText2(a.at(1)); }},
            {"enter2", [&] { plot.text2Enter(); }},
            {"marker", [&] { plot.option2Click(i(1)); }},
            {"readout", [&] { plot.option3Click(i(1)); }},
            {"draw", [&] { plot.DRAW2(); }},
            {"redraw", [&] { // on a new grid; "redraw entry" draws the selected entry (DRAW)
                 plot.view().gridDirty = true;
                 a.size() > 1 ? plot.DRAW() : plot.DRAW2();
             }},
            {"tick", [&] { plot.timer3Tick(); }},
            {"pending", [&] { plot.view().redrawPending = true; }},
            {"new-selection", [&] { plot.newCurveSelection(); }},
            {"keep", [&] { kept = image(); }},
            {"move", [&] { plot.mouseMove(0, i(1), i(2)); }},
            {"plain-click", [&] { plot.click(); }},
            {"dclick", [&] { plot.doubleClick(); }},
            {"click", [&] { clickAt(kLeft, i(1), i(2)); }},
            {"rclick", [&] { clickAt(PlotController::kRightButton, i(1), i(2)); }},
            {"drag", [&] { // in a mode, through points x y ..., released at the last
                 for (int turns = 0; plot.view().plotPointer != i(1) && turns < 4; ++turns) {
                     plot.mouseMove(0, 3000, 3000);
                     plot.doubleClick();
                 }
                 plot.mouseMove(0, i(2), i(3));
                 plot.mouseDown(kLeft, i(2), i(3));
                 for (std::size_t k = 4; k + 1 < a.size(); k += 2) plot.mouseMove(kLeft, i(k), i(k + 1));
                 plot.mouseUp(kLeft, i(a.size() - 2), i(a.size() - 1));
             }},
            {"band", [&] { // from, to, step, then the low, middle and high values
                 PlotBand band;
                 for (double x = value(a.at(1)); x <= value(a.at(2)); x += value(a.at(3))) {
                     band.x.push_back(x);
                     band.low.push_back(value(a.at(4)));
                     band.middle.push_back(value(a.at(5)));
                     band.high.push_back(value(a.at(6)));
                 }
                 plot.setBand(band);
             }},
            {"no-band", [&] { plot.setBand(std::nullopt); }},
            {"cur-file", [&] { // a .CUR file: exponent, peak, angle, then 999 samples in hundredths
                 std::string cur = "2\r\n" + a.at(2) + "\r\n356\r\n";
                 for (int k = 0; k < 999; ++k) cur += std::to_string(1000 + k) + "\r\n";
                 host.fs.put(a.at(1), cur);
             }},
            {"sample", [&] { // a file of samples/ and a row naming it, as the list click left it
                 std::ifstream in(std::string(PLOTWISE_SAMPLES_DIR) + "/" + a.at(1), std::ios::binary);
                 host.fs.put(a[1], std::string(std::istreambuf_iterator<char>(in), {}));
                 const int row = host.table.appendRow();
                 host.table.setText(row, 0, a[1]);
                 host.table.setText(row, 2, a.at(2));
                 host.table.setText(row, 3, a.at(3));
                 host.table.setTextColor(row, 2, 0x0000ff);
             }},
            {"entry", [&] { host.entryText = a.at(1); }},
            {"check-boxes", [&] { host.list.checkBoxes = i(1); }},
        };
        ASSERT_TRUE(steps.contains(a[0])) << "no such step";
        steps.at(a[0])();
    }

    std::string probe(const Args& a) {
        const auto i = [&a](std::size_t k) { return static_cast<int>(value(a.at(k))); };
        const PlotView& v = plot.view();
        if (a[0] == "pixels") {
            const QRgb colour = a.at(1) == "black" ? 0  : a[1] == "red" ? 0xff0000
                              : a[1] == "green"    ? 0x008000 : std::stoul(a[1], 0, 16);
            return text(countColor(image(), colour, QRect(i(2), i(3), i(4), i(5))));
        }
        if (a[0] == "leftmost") { // column of the first black pixel in a row, -1 when none
            for (int x = 0; x < image().width(); ++x)
                if ((image().pixel(x, i(1)) & 0xffffff) == 0) return text(x);
            return "-1";
        }
        if (a[0] == "label-runs") { // rows with text in the Y label column, as runs
            const int width = px(1200) - 26;
            int runs = 0;
            for (int y = 0, inRun = 0; y < image().height(); ++y) {
                const bool inText = countColor(image(), 0xffffff, QRect(24, y, width, 1)) < width;
                runs += inText && !inRun;
                inRun = inText;
            }
            return std::to_string(runs);
        }
        if (a[0] == "readout-line") { // read-out line k in the data area's top right corner
            const double line = std::max(240.0, plot.canvas().lineHeight());
            const QRect area(200, py(115 + 60 + i(1) * line), 213, PlotCanvas::toPixel(line));
            return text(countColor(image(), kRed, area));
        }
        const std::map<std::string, std::function<std::string()>> probes{
            {"hs", [&] { return text(plot.hs().value); }},
            {"vs", [&] { return text(plot.vs().value); }},
            {"scale", [&] { return text(v.xScaleIndex) + "/" + text(plot.option1Selected()); }},
            {"zoom-y", [&] { return text(plot.zoomYScale()); }},
            {"y-full-scale", [&] { return text(v.yPerUnit * 5000); }},
            {"hs-by-user", [&] { return text(plot.hsSetByUser()); }},
            {"text1", [&] { return plot.text1().text; }},
            {"text1-visible", [&] { return text(plot.text1().visible); }},
            {"text1-focus", [&] { return text(plot.takeText1Focus()); }},
            {"marker", [&] { return text(v.markers.at(i(1)).style); }},
            {"marker-at", [&] { return text(v.markers.at(i(1)).x) + "," + text(v.markers[i(1)].y); }},
            {"placed", [&] { return text(v.refPlaced); }},
            {"pointer", [&] { return text(v.plotPointer); }},
            {"cursor", [&] { return text(plot.pictureCursor()); }},
            {"tooltip", [&] { return plot.toolTip(); }},
            {"pending", [&] { return text(v.redrawPending); }},
            {"source", [&] { return text(v.drawSource); }},
            {"draws", [&] { return text(host.tableDraws); }},
            {"copies", [&] { return text(host.clipboardCopies); }},
            {"caption", [&] { return host.captions.at(i(1)); }},
            {"cell", [&] { return host.table.text(i(1), i(2)); }},
            {"curve-file", [&] { return host.load.curveFileName; }},
            {"format", [&] { return text(host.load.curveFormat); }},
            {"used-columns", [&] { return text(host.table.usedColumns(i(1))); }},
            {"same", [&] { return text(image() == kept); }},
        };
        EXPECT_TRUE(probes.contains(a[0])) << "no such probe";
        return probes.contains(a[0]) ? probes.at(a[0])() : "";
    }

private:
    static constexpr int kLeft = PlotController::kLeftButton;
    QImage kept;
    // Move there, press, release and click, as one click.
    void clickAt(int button, double x, double y) {
        plot.mouseMove(0, x, y);
        plot.mouseDown(button, x, y);
        plot.mouseUp(button, x, y);
        plot.click();
    }
};

// The number rules, each a probe of its own.
std::string ruleProbe(const Args& f) {
    const auto num = [&f](std::size_t k) { return std::stod(f.at(k)); };
    if (f[0] == "TQ2") return text(TQ2(num(1), f.at(2)));
    if (f[0] == "TQSCALE") return TQSCALE(f.at(1), f.at(2));
    if (f[0] == "y-decimals") return text(yLabelDecimals(num(1)));
    if (f[0] == "y-label") return yLabelText(num(1), num(2), static_cast<int>(num(3)));
    if (f[0] == "x-label")
        return xLabelText(xScale(static_cast<int>(num(1))).labelSpanTorque, num(2), static_cast<int>(num(3)));
    if (f[0] == "x0") { // the left margin stays about 1200 picture units
        const PlotGeometry g = PlotGeometry::of(num(1), 5775);
        EXPECT_NEAR(g.x0 * g.sx, 1200, g.sx + 1e-9);
        return text(g.x0);
    }
    ReadOutInputs in{PlotGeometry::of(6195, 5775), f.at(1) == "torque", f.at(2) == "N", num(3)};
    in.hsValue = 100;
    in.yPerUnit = 20.0 / 5000;
    in.plotBottom = 5115 + 210;
    // The zero grid line lies 15 design units above the frame's bottom.
    EXPECT_NEAR(readOutY(in, 5100 + 210), 15 * in.yPerUnit, 1e-9);
    return f[0] == "read-out" ? readOutText(in, num(4), num(5)) : "no such rule";
}

// Runs a script; returns how many checks it made.
int runScript(const std::string& name, bool sessions) {
    auto session = std::make_unique<Session>();
    std::string title;
    int checks = 0;
    for (const auto& [line, f] : readCases(std::string(PLOTWISE_TESTDATA_DIR) + "/" + name)) {
        if (f[0] == "session") {
            session = std::make_unique<Session>();
            title = line;
            continue;
        }
        SCOPED_TRACE(title + "\n" + line);
        try { // a step or probe that throws fails its line, and the script goes on
            if (f[0] != "expect") {
                session->step(f);
                continue;
            }
            // expect <probe> <arguments> <comparison> <expected>
            const std::string op = f.size() < 4 ? "" : f[f.size() - 2], want = f.back();
            const Args probe(f.begin() + 1, f.end() - (op.empty() ? 1 : 2));
            const std::string got = sessions ? session->probe(probe) : ruleProbe(probe);
            ++checks;
            if (op == "=") EXPECT_EQ(got, want);
            else if (op == "!=") EXPECT_NE(got, want);
            else if (op == ">") EXPECT_GT(value(got), value(want));
            else if (!op.empty() && op[0] == '~') EXPECT_NEAR(value(got), value(want), std::stod(op.substr(1)));
            else ADD_FAILURE() << "no such comparison";
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
    }
    return checks;
}

TEST(PlotScripts, NumberRules) { EXPECT_EQ(runScript("scales.txt", false), 44); }
TEST(PlotScripts, Sessions) { EXPECT_EQ(runScript("sessions.txt", true), 116); }

} // namespace
} // namespace plotwise::test
