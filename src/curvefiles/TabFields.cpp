#include "TabFields.h"

namespace plotwise {

TabFields::TabFields(std::string_view line) : TabFields(line, std::string_view::npos) {}

TabFields::TabFields(std::string_view line, std::size_t maxFields) {
    // Whole runs between TABs at a time: a long line costs one copy.
    std::size_t start = 0;
    fields_.emplace_back();
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields_.back().append(line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
        if (fields_.size() < maxFields) fields_.emplace_back();
    }
}

const std::string& TabFields::operator[](std::size_t i) const {
    static const std::string empty;
    return i < fields_.size() ? fields_[i] : empty;
}

} // namespace plotwise
