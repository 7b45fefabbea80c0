#include "CurveListBuilder.h"

#include "curvefiles/NumberText.h"
#include "curvefiles/TabFields.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace plotwise {
namespace {

constexpr std::size_t kNameWidth = 40;
constexpr std::size_t kMaxSummaryFields = 101;
constexpr std::size_t kLastWalkedField = 99;
constexpr int kTimeAxisFrom = 32;
const std::string kGap(11, ' ');

std::string rightAligned(const std::string& text, std::size_t width) {
    if (text.size() >= width) return text.substr(text.size() - width);
    return std::string(width - text.size(), ' ') + text;
}

int spindleNumber(const std::string& text) {
    auto n = nearestInteger(LeadingNumber(text));
    return n >= 1 && n <= 32 ? static_cast<int>(n) : 0;
}

SpindlePeaks walkMarkers(const TabFields& fields) {
    SpindlePeaks peaks;
    std::array<std::string, 33> spindleText;
    int state = 0;
    std::size_t k = 0;
    for (std::size_t f = 2; f <= kLastWalkedField && f < fields.size(); ++f) {
        const std::string& field = fields[f];
        if (field.empty()) continue;
        if (field == "SPNO" || field == "YPeak" || field == "XPeak") {
            state = field == "SPNO" ? 1 : field == "YPeak" ? 2 : 3;
            k = 1;
            continue;
        }
        if (k >= 1 && k <= 32) {
            int spindle = state >= 2 ? spindleNumber(spindleText[k]) : 0;
            if (state == 1) spindleText[k] = field;
            else if (state == 2 && spindle) peaks.peak[static_cast<std::size_t>(spindle)] = field;
            else if (state == 3 && spindle) peaks.position[static_cast<std::size_t>(spindle)] = field;
        }
        ++k;
    }
    return peaks;
}

} // namespace

SpindlePeaks multiSpindlePeaks(const std::string& summary) {
    return walkMarkers(TabFields(summary, kMaxSummaryFields));
}

// Built in one string from views of the summary's first five fields: a scan
// makes one of these per file.
std::string singleCurveEntryText(const std::string& summary) {
    std::array<std::string_view, 5> fields{};
    std::string_view rest = summary;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto tab = rest.find('\t');
        fields[i] = rest.substr(0, tab);
        if (tab == std::string_view::npos) break;
        rest.remove_prefix(tab + 1);
    }
    const bool torque = fields[4] == "N/R";
    std::string text;
    text.reserve(std::max(fields[1].size() + 1, kNameWidth) + 40 + fields[2].size() + fields[3].size());
    text.append(fields[1]).append("\\");
    if (text.size() < kNameWidth) text.resize(kNameWidth, ' ');
    text.append(torque ? " Torque " : " Load   ").append(fields[2]).append(kGap);
    text.append(torque ? "Angle    " : "Distance ").append(fields[3]);
    return text;
}

std::string spindleEntryText(bool press, int spindle, const std::string& peak, bool timeAxis,
                             const std::string& position) {
    char number[8];
    std::snprintf(number, sizeof number, "%2d", spindle);
    const std::string p = rightAligned(peak, 7);
    if (press)
        return "Press " + std::string(number) + kGap + "Load " + p + kGap +
               (timeAxis ? "Time " : "Distance ") + position;
    return "Spindle " + std::string(number) + kGap + "Torque " + p + kGap +
           (timeAxis ? "Time " : "Angle ") + position;
}

void CurveListBuilder::TreeAdd(const std::string& summary, const std::string&) {
    const int entry = list_.appendRoot(singleCurveEntryText(summary));
    list_.entry(entry).fileSpindle = nextFileSpindle_;
    nextFileSpindle_ = 0;
    int format = state_.curveFormat;
    list_.checkBoxes = format == CurveFormat::Cur || format == CurveFormat::NrCur ||
                       format == CurveFormat::SpCur;
    list_.secondOption = true;
    if (onToggleTag) onToggleTag(true, true);
}

void CurveListBuilder::TreeAddMulti(const std::string& summary, const std::string& waveForm) {
    TabFields fields(summary, kMaxSummaryFields);
    const std::string upperTail = upperAscii(rightChars(fields[1], 5));
    if (upperTail == "NRACD") state_.curveFileFamily = 1;
    else if (upperTail == "SPACD") state_.curveFileFamily = 3;

    const auto peaks = walkMarkers(fields);
    const int file = list_.appendRoot(fields[1]);
    const int family = state_.curveFileFamily;
    const bool timeAxis = LeadingNumber(TabFields(waveForm, kMaxSummaryFields)[1]) >= kTimeAxisFrom;
    for (int spindle = 1; spindle <= 32 && (family == 1 || family == 3); ++spindle) {
        const auto s = static_cast<std::size_t>(spindle);
        if (peaks.peak[s].empty()) continue;
        int child = list_.appendChild(
            file, spindleEntryText(family == 3, spindle, peaks.peak[s], timeAxis, peaks.position[s]));
        list_.entry(child).textColor = colors_[s - 1];
    }
    list_.secondOption = false;
    list_.checkBoxes = true;
    if (onToggleTag) onToggleTag(true, false);
}

void CurveListBuilder::TreeAddTSV(const std::string& fileName) {
    list_.appendRoot(fileName);
    list_.secondOption = true;
    list_.checkBoxes = false;
    if (onToggleTag) onToggleTag(false, false);
}

} // namespace plotwise
