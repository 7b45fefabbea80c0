#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace plotwise {

// The short version text of an executable's version record: its bytes with
// every NUL left out, then the characters 1, 2, 3, 5 and 7 after the first
// "Assembly Version" ("1.0.3.0" gives "1.030"). "" without a record or key.
std::string versionDigits(const std::optional<std::string>& record);

} // namespace plotwise
