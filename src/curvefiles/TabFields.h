#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace plotwise {

// A line cut at every TAB.
class TabFields {
public:
    TabFields() = default;
    explicit TabFields(std::string_view line);
    // Cut into at most `maxFields` fields; TABs beyond are dropped and the rest
    // joins the last field.
    TabFields(std::string_view line, std::size_t maxFields);

    // Cuts another line, reusing the storage of the fields before: a loop over
    // the lines of a file allocates only for its longest line.
    void assign(std::string_view line, std::size_t maxFields = std::string_view::npos);

    std::size_t size() const { return size_; }
    // Field i, "" when the line has fewer fields.
    const std::string& operator[](std::size_t i) const;

private:
    std::string& nextField();

    std::vector<std::string> fields_; // the first size_ hold this line's fields
    std::size_t size_ = 0;
};

} // namespace plotwise
