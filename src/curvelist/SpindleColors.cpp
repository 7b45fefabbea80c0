#include "SpindleColors.h"

#include <algorithm>
#include <cmath>

namespace plotwise {

std::uint32_t Pallet(int code) {
    int c = code & 63;
    int red = std::min(255, static_cast<int>(std::nearbyint(85.0 * (c & 12) / 3.0)));
    int green = std::min(255, 60 * static_cast<int>(std::nearbyint((c & 48) / 6.0)));
    int blue = 71 * (c & 3);
    return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(blue) << 16;
}

SpindleColors defaultSpindleColors() {
    SpindleColors colors{};
    for (int spindle = 1; spindle <= 32; ++spindle)
        colors[static_cast<std::size_t>(spindle - 1)] = Pallet(spindle);
    return colors;
}

} // namespace plotwise
