#include "PlotScales.h"

#include "curvefiles/NumberText.h"

#include <algorithm>
#include <cmath>

namespace plotwise {
namespace {

constexpr XScale kTable[kXScales] = {
    {0.25, 50, 10, 45, 9, 0.1, 0.015, 50, 10},
    {0.5, 100, 20, 90, 18, 0.2, 0.03, 100, 20},
    {1, 200, 40, 180, 36, 0.4, 0.06, 200, 40},
    {2, 400, 80, 360, 72, 0.8, 0.12, 400, 80},
    {3, 600, 120, 540, 108, 1.2, 0.18, 600, 120},
    {6, 1200, 240, 1080, 216, 2.4, 0.36, 1200, 240},
};

// Int of the language: rounds down.
double intOf(double value) {
    return std::floor(value);
}

std::string trimmed(const std::string& text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string padLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

} // namespace

const XScale& xScale(int index) {
    return kTable[std::clamp(index, 0, kXScales - 1)];
}

bool isTorqueFormat(int curveFormat) {
    return curveFormat == 0 || curveFormat == 2 || curveFormat == 4 || curveFormat == 6 ||
           curveFormat == 7;
}

PlotGeometry PlotGeometry::of(double scaleWidth, double scaleHeight) {
    PlotGeometry g;
    g.sx = scaleWidth / kDesignWidth;
    g.sy = scaleHeight / kDesignHeight;
    // A picture with no width would give an infinite margin; keep it finite.
    g.x0 = g.sx > 0 ? static_cast<int>(std::min(intOf(1200 / g.sx), 1e9)) : 1200;
    return g;
}

double TQ2(double peak, const std::string& text1) {
    const float manual = static_cast<float>(LeadingNumber(text1));
    if (manual != 0) return manual;
    const float p = static_cast<float>(peak);
    if (p < 1) return static_cast<float>(intOf(p * 120.0f) / 100.0);
    return static_cast<float>(intOf(p) * 1.2);
}

std::string TQSCALE(const std::string& text1, const std::string& s) {
    if (LeadingNumber(text1) != 0) return text1;
    const float x = static_cast<float>(LeadingNumber(s));
    float r;
    if (x < 0.01f) r = static_cast<float>(intOf(x * 1000.0f + 1) / 1000);
    else if (x < 0.1f) r = static_cast<float>(intOf(x * 100.0f + 1) / 100);
    else if (x < 1) r = static_cast<float>((intOf(x * 10.0f) + 1) / 10);
    else if (x < 10) r = static_cast<float>(intOf(x) + 1);
    else if (x < 100) r = static_cast<float>((intOf(x / 10.0f) + 1) * 10);
    else if (x < 1000) r = static_cast<float>((intOf(x / 100.0f) + 1) * 100);
    else if (x < 10000) r = static_cast<float>((intOf(x / 1000.0f) + 1) * 1000);
    else r = 10000;
    return numberToText(r);
}

int yLabelDecimals(double yFullScale) {
    if (yFullScale < 10) return 3;
    if (yFullScale < 100) return 2;
    if (yFullScale < 1000) return 1;
    return 0;
}

std::string xLabelText(double labelSpan, double hsValue, int k) {
    const auto value = nearestInteger(labelSpan * k / 9 - labelSpan + hsValue);
    const std::string text = "     " + std::to_string(value);
    return text.substr(text.size() - 5);
}

std::string yLabelText(double yFullScale, double vsValue, int k) {
    const float value = static_cast<float>((k - vsValue / yFullScale) * yFullScale / 10);
    return padLeft(trimmed(formatDecimals(value, yLabelDecimals(yFullScale))), 8);
}

double readOutX(const ReadOutInputs& in, double x) {
    const PlotGeometry& g = in.geometry;
    const double perUnit = in.torque ? 2 : 10;
    return (x - (g.x0 + 4530) * g.sx) * in.xReadScale / perUnit / g.sx + in.hsValue;
}

double readOutY(const ReadOutInputs& in, double y) {
    return (in.plotBottom - y) * in.yPerUnit / in.geometry.sy - in.vsValue / 10;
}

std::string readOutText(const ReadOutInputs& in, double x, double y) {
    const std::string xText = formatDecimals(readOutX(in, x), in.torque ? 1 : 3);
    const std::string unitWord = in.torque ? in.degreeWord : in.mmWord;
    const std::string suffix = in.torque ? " Nm" : (in.loadInNewton ? " N" : " KN");
    return " X: " + xText + " " + unitWord + " Y: " + formatDecimals(readOutY(in, y), 3) + suffix;
}

} // namespace plotwise
