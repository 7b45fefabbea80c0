#include "CurveTrace.h"

namespace plotwise {

const std::string& CurveTrace::operator[](int slot) const {
    static const std::string empty;
    if (slot < 1 || slot > kSlots) return empty;
    return slots_[static_cast<std::size_t>(slot - 1)];
}

bool CurveTrace::set(int slot, std::string text) {
    if (slot < 1 || slot > kSlots) return false;
    slots_[static_cast<std::size_t>(slot - 1)] = std::move(text);
    if (slot > lastSampleSlot_) lastSampleSlot_ = slot;
    return true;
}

void CurveTrace::clear() {
    for (auto& slot : slots_) slot.clear();
    lastSampleSlot_ = kFirstSample - 1;
    intervalCode.clear();
}

} // namespace plotwise
