#pragma once
#include <string>

namespace plotwise {

// The language-table texts the plot prints, in the built-in English.
struct PlotWords {
    std::string degree = "Degree";
    std::string mm = "mm";
    std::string fileName = "FILE NAME";
    std::string torqueTitle = "TORQUE";
    std::string angleTitle = "ANGLE";
    std::string loadTitle = "LOAD";
    std::string distanceTitle = "DISTANCE";
    std::string seconds = "Seconds";
    // Loaded-curve table headings of columns 1 to 3 per curve kind.
    std::string spindleHeading = "SP #";
    std::string torqueHeading = "Torque";
    std::string angleHeading = "Angle";
    std::string pressHeading = "Press #";
    std::string loadHeading = "Load";
    std::string distanceHeading = "Distance";
};

} // namespace plotwise
