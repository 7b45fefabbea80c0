#include "CurveList.h"

namespace plotwise {

void CurveList::clear() {
    entries_.clear();
    selected = -1;
}

int CurveList::appendRoot(std::string text) {
    entries_.push_back({std::move(text), -1, false, false, std::nullopt});
    return count() - 1;
}

int CurveList::appendChild(int parent, std::string text) {
    // Children follow their parent and its earlier children, so appending at
    // the end keeps list order as long as the parent is the last root.
    entries_.push_back({std::move(text), parent, false, false, std::nullopt});
    return count() - 1;
}

bool CurveList::hasChildren(int index) const {
    int next = index + 1;
    return next < count() && entries_[static_cast<std::size_t>(next)].parent == index;
}

std::vector<int> CurveList::children(int index) const {
    std::vector<int> result;
    for (int i = index + 1; i < count() && entries_[static_cast<std::size_t>(i)].parent == index; ++i)
        result.push_back(i);
    return result;
}

std::string CurveList::fullPath(int index) const {
    const auto& e = entries_[static_cast<std::size_t>(index)];
    if (e.parent < 0) return e.text;
    return fullPath(e.parent) + "\\" + e.text;
}

} // namespace plotwise
