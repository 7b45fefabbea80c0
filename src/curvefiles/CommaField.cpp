#include "CommaField.h"

#include <array>

namespace plotwise {

std::string LDATA(std::string_view line, int index) {
    std::array<std::string, 10> fields;
    int current = 0;
    for (char c : line) {
        if (c == ',') {
            if (current < 8) ++current;
        } else {
            fields[current].push_back(c);
        }
    }
    if (index < 0 || index > 9) return {};
    return fields[index];
}

} // namespace plotwise
