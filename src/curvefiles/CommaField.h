#pragma once
#include <string>
#include <string_view>

namespace plotwise {

// Field `index` (0..9) of a comma-separated line: at most nine fields, text
// after the ninth comma joins field 8 with its commas removed, field 9 is empty.
std::string LDATA(std::string_view line, int index);

} // namespace plotwise
