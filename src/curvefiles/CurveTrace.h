#pragma once
#include <array>
#include <string>

namespace plotwise {

// The text slots 1..4096 of one curve being loaded for drawing.
class CurveTrace {
public:
    static constexpr int kSlots = 4096;
    static constexpr int kScaleDigits = 1;
    static constexpr int kPeakY = 2;
    static constexpr int kPeakX = 12;
    static constexpr int kFirstSample = 18;

    // Slot text; an index outside 1..4096 reads as empty.
    const std::string& operator[](int slot) const;
    // False (nothing written) when the slot lies outside 1..4096.
    bool set(int slot, std::string text);
    void clear();

    // Highest sample slot (18 on) written since the last clear; 17 when none.
    int lastSampleSlot() const { return lastSampleSlot_; }
    // The curve's "Interval" code where its file names one; sets the plot's
    // samples per step.
    std::string intervalCode;

private:
    std::array<std::string, kSlots> slots_;
    int lastSampleSlot_ = kFirstSample - 1;
};

} // namespace plotwise
