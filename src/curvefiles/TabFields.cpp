#include "TabFields.h"

namespace plotwise {

TabFields::TabFields(std::string_view line) : TabFields(line, std::string_view::npos) {}

TabFields::TabFields(std::string_view line, std::size_t maxFields) {
    fields_.emplace_back();
    for (char c : line) {
        if (c != '\t') {
            fields_.back().push_back(c);
        } else if (fields_.size() < maxFields) {
            fields_.emplace_back();
        }
    }
}

const std::string& TabFields::operator[](std::size_t i) const {
    static const std::string empty;
    return i < fields_.size() ? fields_[i] : empty;
}

} // namespace plotwise
