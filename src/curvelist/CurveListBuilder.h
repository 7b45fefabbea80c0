#pragma once
#include "CurveList.h"
#include "SpindleColors.h"
#include "curvefiles/FolderScan.h"
#include "curvefiles/LoadState.h"

#include <array>
#include <functional>
#include <string>

namespace plotwise {

// Peak values and positions of a multi-spindle summary line as the list shows
// them, by spindle number (1 to 32; empty when the spindle is not named).
struct SpindlePeaks {
    std::array<std::string, 33> peak;
    std::array<std::string, 33> position;
};
SpindlePeaks multiSpindlePeaks(const std::string& summary);

// Builds the curve list's entries from the scan's summary lines.
class CurveListBuilder : public ListBuilder {
public:
    CurveListBuilder(CurveList& list, LoadState& state, const SpindleColors& colors)
        : list_(list), state_(state), colors_(colors) {}

    void TreeAdd(const std::string& summary, const std::string& waveForm) override;
    void TreeAddMulti(const std::string& summary, const std::string& waveForm) override;
    void TreeAddTSV(const std::string& fileName) override;
    void fileSpindle(int spindle) override { nextFileSpindle_ = spindle; }

    // Told after each builder call whether "Toggle Tag" is enabled; a single-curve
    // entry also unticks it.
    std::function<void(bool enabled, bool untick)> onToggleTag;

private:
    CurveList& list_;
    LoadState& state_;
    const SpindleColors& colors_;
    int nextFileSpindle_ = 0;
};

// Entry texts, exposed for the other users of the layouts.
std::string singleCurveEntryText(const std::string& summary);
std::string spindleEntryText(bool press, int spindle, const std::string& peak,
                             bool timeAxis, const std::string& position);

} // namespace plotwise
