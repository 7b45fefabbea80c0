#pragma once
// Pictures and folder probes shared by the export tests.
#include "support/TempFolder.h"

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace plotwise::test {

// Every entry of a folder, hidden ones included.
inline std::set<std::string> folderEntries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A plot-like picture: white ground, black frame, and 16 x 16 blocks of curve
// colours on 8-pixel boundaries so that JPEG keeps their middles.
struct ProbedColor {
    int x, y;
    QRgb color;
};
inline constexpr ProbedColor PlotBlocks[] = {
    {24, 24, qRgb(255, 0, 0)},      {56, 24, qRgb(0, 128, 0)},   {88, 24, qRgb(0, 0, 255)},
    {24, 56, qRgb(18, 52, 86)},     {56, 56, qRgb(255, 128, 0)}, {88, 56, qRgb(128, 0, 128)},
    {120, 56, qRgb(255, 255, 255)}, {4, 4, qRgb(255, 255, 255)}, {0, 0, qRgb(0, 0, 0)},
};

inline QImage plotPicture(int width = 144, int height = 96) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            picture.setPixel(x, y, frame ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    for (const ProbedColor& block : PlotBlocks)
        for (int y = block.y - 8; block.x >= 8 && y < block.y + 8; ++y)
            for (int x = block.x - 8; x < block.x + 8; ++x) picture.setPixel(x, y, block.color);
    return picture;
}

// Largest difference of one channel between two colours.
inline int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

} // namespace plotwise::test
