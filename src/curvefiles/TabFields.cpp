#include "TabFields.h"

#include <algorithm>

namespace plotwise {

TabFields::TabFields(std::string_view line) : TabFields(line, std::string_view::npos) {}

TabFields::TabFields(std::string_view line, std::size_t maxFields) { assign(line, maxFields); }

void TabFields::assign(std::string_view line, std::size_t maxFields) {
    // Counting the TABs first makes at most one allocation of the field list.
    const auto tabs = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t'));
    fields_.reserve(std::min(tabs + 1, std::max<std::size_t>(maxFields, 1)));
    size_ = 0;
    // Whole runs between TABs at a time: a long line costs one copy.
    std::string* field = &nextField();
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        field->append(line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
        if (size_ < maxFields) field = &nextField();
    }
}

std::string& TabFields::nextField() {
    if (size_ == fields_.size())
        fields_.emplace_back();
    else
        fields_[size_].clear();
    return fields_[size_++];
}

const std::string& TabFields::operator[](std::size_t i) const {
    static const std::string empty;
    return i < size_ ? fields_[i] : empty;
}

} // namespace plotwise
