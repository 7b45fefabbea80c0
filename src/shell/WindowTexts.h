#pragma once
#include <array>
#include <string>

namespace plotwise {

// Captions and tool tips of the main window. The run-time texts come from the
// language table at start-up; the rest are the design captions.
struct WindowTexts {
    std::string caption;                // Form1's title bar
    std::string label2Caption;          // "no curve file" notice
    std::array<std::string, 6> option1; // scale buttons
    std::array<std::string, 6> command1Tips;
    std::string check1Tip;
    std::array<std::string, 6> command3Tips;
    std::string pagePrevRow; // paging rows of the result table
    std::string pageNextRow;
    std::string statusLine; // the status bar: what the last export did or why it failed

    std::array<std::string, 2> command2 = {"Check All", "Uncheck All"};
    std::string check1 = "Toggle Tag";
    std::string check2 = "REFRESH";
    std::array<std::string, 6> command3 = {
        "Select Color",           "Save Curve as JPG file",
        "Save List as Text File", "Copy Curve to Clipboard",
        "Copy List to Clipboard", "Convert All Files to picture"};
    std::string frame3 = "SCALE";
    std::string frame4 = "Reference Line";
    std::string frame5 = "Reference Color";
};

} // namespace plotwise
