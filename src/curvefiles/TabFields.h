#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace plotwise {

// A line cut at every TAB.
class TabFields {
public:
    explicit TabFields(std::string_view line);
    // Cut into at most `maxFields` fields; TABs beyond are dropped and the rest
    // joins the last field.
    TabFields(std::string_view line, std::size_t maxFields);

    std::size_t size() const { return fields_.size(); }
    // Field i, "" when the line has fewer fields.
    const std::string& operator[](std::size_t i) const;

private:
    std::vector<std::string> fields_;
};

} // namespace plotwise
