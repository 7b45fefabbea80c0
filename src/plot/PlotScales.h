#pragma once
// The plot's coordinate rules: the X scale table, the Y full scale, the design
// space and the read-out of a picture point.
#include <string>

namespace plotwise {

// One row of the X scale table; torque values in degrees, load values in mm.
struct XScale {
    double factor;
    int fullScaleTorque, fullScaleLoad;
    double labelSpanTorque, labelSpanLoad;
    double panTorque, panLoad;
    int hsLargeTorque, hsLargeLoad;
};

inline constexpr int kXScales = 6;
const XScale& xScale(int index); // index clamped to 0..5

// Formats 0, 2, 4, 6 and 7 are torque-over-angle curves, the rest
// load-over-distance curves.
bool isTorqueFormat(int curveFormat);

// The plot's design space and its mapping onto a picture of the given scale
// size (picture units): sx, sy and the left margin X0 in design units.
struct PlotGeometry {
    static constexpr double kDesignWidth = 6195;
    static constexpr double kDesignHeight = 5775;
    double sx = 1;
    double sy = 1;
    int x0 = 1200;

    static PlotGeometry of(double scaleWidth, double scaleHeight);
};

// Y full scale for a peak: the manual value of Text1 when it reads non-zero,
// else the peak raised by a fifth.
double TQ2(double peak, const std::string& text1);

// A Y scale raised to the next convenient value (or Text1's text when that
// holds a manual scale), as text with a leading blank when not negative.
std::string TQSCALE(const std::string& text1, const std::string& s);

// Format pattern of the Y labels for a full scale.
int yLabelDecimals(double yFullScale);
// X label k (0..10) and Y label k (0..10) texts.
std::string xLabelText(double labelSpan, double hsValue, int k);
std::string yLabelText(double yFullScale, double vsValue, int k);

// What a picture point reads on the current view.
struct ReadOutInputs {
    PlotGeometry geometry;
    bool torque = true;
    bool loadInNewton = false;
    double xReadScale = 0.02;
    double yPerUnit = 0;
    double plotBottom = 0;
    double hsValue = 0;
    double vsValue = 0;
    std::string degreeWord = "Degree";
    std::string mmWord = "mm";
};
double readOutX(const ReadOutInputs& in, double x);
double readOutY(const ReadOutInputs& in, double y);
// " X: 12.5 Degree Y: 3.250 Nm"
std::string readOutText(const ReadOutInputs& in, double x, double y);

} // namespace plotwise
