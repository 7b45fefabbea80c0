#include "FormLayout.h"

namespace plotwise {
namespace {

WidgetGeometry widget(int left, int top, int width, int height, bool visible = true) {
    return {{left, top, width, height}, visible, true};
}

std::string indexed(const char* name, std::size_t i) {
    return std::string(name) + "(" + std::to_string(i) + ")";
}

// Design-time sizes. Frame1 holds the folder buttons in a row at the top,
// Drive1 and Check2 below them and Dir1 below those; the splitter moves
// Drive1, Dir1 and Check2 only, so the buttons are anchored to the left.
constexpr int kFrame1Width = 4215;
constexpr int kFrame1Height = 4800;
constexpr int kButton = 375;
constexpr int kBarThickness = 60;
constexpr int kScrollBar = 255;
constexpr int kToolButton = 555;
constexpr int kPlotWidth = 12060;
constexpr int kPlotHeight = 7560;

} // namespace

FormLayout::FormLayout() {
    frame1 = widget(0, 0, kFrame1Width, kFrame1Height);
    for (std::size_t i = 0; i < command1.size(); ++i)
        command1[i] = widget(120 + static_cast<int>(i) * 420, 240, kButton, kButton);
    drive1 = widget(120, 735, kFrame1Width - 1920, 315);
    check2 = widget(kFrame1Width - 1155, 735, 1110, 315);
    dir1 = widget(120, 1170, kFrame1Width - 780, kFrame1Height - 1170 - 60);
    picture2 = widget(kFrame1Width - kBarThickness, 0, kBarThickness, kFrame1Height, false);

    treeView1 = widget(kFrame1Width + 60, 0, 7000, kFrame1Height - 60);
    grid2 = widget(treeView1.rect.left, 0, 7000, treeView1.rect.height, false);
    command2[0] = widget(0, 30, 1095, 315, false);
    command2[1] = widget(0, 30, 1095, 315, false);
    check1 = widget(0, 0, kToolButton, kToolButton);
    for (std::size_t i = 0; i < command3.size(); ++i)
        command3[i] = widget(0, 600 + static_cast<int>(i) * 600, kToolButton, kToolButton);
    // "Select Color" waits for a selected ticked curve, the two list exports for
    // the first list click.
    command3[0].enabled = command3[2].enabled = command3[4].enabled = false;

    frame2 = widget(0, kFrame1Height - 90, kPlotWidth + 600, kPlotHeight + kScrollBar + 960);
    picture1 = widget(60, 180, kPlotWidth, kPlotHeight);
    grid1 = widget(60, 180, kPlotWidth, kPlotHeight, false);
    hs = widget(60, 180 + kPlotHeight + 60, kPlotWidth, kScrollBar);
    vs = widget(60 + kPlotWidth + 60, 180, kScrollBar, kPlotHeight);
    int framesTop = hs.rect.bottom();
    // The scale buttons take most of the row: their captions can name seconds
    // as well as degrees.
    frame3 = widget(60, framesTop, 12300, 645);
    frame4 = widget(12420, framesTop, 4050, 645);
    frame5 = widget(16530, framesTop, 2625, 645);
    label2 = widget(0, 0, 4500, 495, false);
    for (std::size_t i = 0; i < label1.size(); ++i)
        label1[i] = widget(120, 120 + static_cast<int>(i) * 255, 2400, 255, false);
    picture3 = widget(0, frame2.rect.top, kPlotWidth, kBarThickness, false);
}

std::vector<NamedWidget> FormLayout::named() const {
    std::vector<NamedWidget> all = {
        {"Frame1", "Form1", frame1},
        {"Drive1", "Frame1", drive1},
        {"Dir1", "Frame1", dir1},
        {"Check2", "Frame1", check2},
        {"Picture2", "Frame1", picture2},
        {"TreeView1", "Form1", treeView1},
        {"Grid2", "Form1", grid2},
        {"Frame2", "Form1", frame2},
        {"Picture1", "Frame2", picture1},
        {"Grid1", "Frame2", grid1},
        {"HS", "Frame2", hs},
        {"VS", "Frame2", vs},
        {"Frame3", "Frame2", frame3},
        {"Frame4", "Frame2", frame4},
        {"Frame5", "Frame2", frame5},
        {"Check1", "Form1", check1},
        {"Label2", "Picture1", label2},
        {"Picture3", "Form1", picture3},
    };
    for (std::size_t i = 0; i < command1.size(); ++i)
        all.push_back({indexed("Command1", i), "Frame1", command1[i]});
    for (std::size_t i = 0; i < command2.size(); ++i)
        all.push_back({indexed("Command2", i), "Form1", command2[i]});
    for (std::size_t i = 0; i < command3.size(); ++i)
        all.push_back({indexed("Command3", i), "Form1", command3[i]});
    for (std::size_t i = 0; i < label1.size(); ++i)
        all.push_back({indexed("Label1", i), "Picture1", label1[i]});
    return all;
}

} // namespace plotwise
