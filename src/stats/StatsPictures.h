#pragma once
// Pictures of the statistics, drawn with the plot's canvas: per group and
// quantity a histogram (limits and mean marked) or an individuals chart in
// list order (centre line, control limits, points beyond them marked).
#include "StatsReport.h"

#include <optional>
#include <string>
#include <vector>

namespace plotwise {
class PlotCanvas;
}

namespace plotwise::stats {

enum class PictureKind { Histogram, Individuals };

// The picture size, in pixels, for this many groups.
int statsPictureWidth();
int statsPictureHeight(std::size_t groups);

// Draws every group onto a canvas already sized to the picture.
void drawStatsPicture(PlotCanvas& canvas, const std::vector<GroupStats>& groups, PictureKind kind);
// Draws one quantity's panel into the rectangle (pixels) of the canvas.
void drawStatsPanel(PlotCanvas& canvas, const std::string& title, const std::vector<double>& values,
                    const Summary& summary, const Limits& limits, PictureKind kind, int left,
                    int top, int width, int height);

// The file ending names the format: .png, .jpg, .gif, .bmp or .pdf.
bool pictureFormatKnown(const std::string& path);
// Writes the picture; an error line naming the path and the reason on failure.
std::optional<std::string> writeStatsPicture(const std::vector<GroupStats>& groups,
                                             PictureKind kind, const std::string& path);

} // namespace plotwise::stats
