#include "CommaField.h"

namespace plotwise {

std::string LDATA(std::string_view line, int index) {
    if (index < 0 || index > 9) return {};
    // Fields 0..8 end at a comma; field 8 takes the rest without its commas.
    std::size_t start = 0;
    for (int field = 0; field < index && field < 8; ++field) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) return {};
        start = comma + 1;
    }
    if (index == 9) return {};
    std::string_view rest = line.substr(start);
    if (index < 8) return std::string(rest.substr(0, rest.find(',')));
    std::string out;
    for (std::size_t at = 0;;) {
        const std::size_t comma = rest.find(',', at);
        out.append(rest.substr(at, comma == std::string_view::npos ? rest.npos : comma - at));
        if (comma == std::string_view::npos) return out;
        at = comma + 1;
    }
}

} // namespace plotwise
