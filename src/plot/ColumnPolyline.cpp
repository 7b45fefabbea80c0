#include "ColumnPolyline.h"

#include <algorithm>
#include <array>

namespace plotwise {
namespace {

constexpr qsizetype kKept = 4;

} // namespace

void ColumnPolyline::add(QPoint point) {
    if (!points_.isEmpty()) {
        if (points_.back() == point) return; // the same pixel again draws nothing new
        if (points_.back().x() != point.x()) {
            reduceColumn();
            columnStart_ = points_.size();
        }
    }
    points_ << point;
}

// Points are gathered as they come; a column of more than four is cut down
// to its four in place.
void ColumnPolyline::reduceColumn() {
    const qsizetype count = points_.size() - columnStart_;
    if (count <= kKept) return;
    const QPoint* column = points_.constData() + columnStart_;
    qsizetype low = 0, high = 0;
    for (qsizetype i = 1; i < count; ++i) {
        if (column[i].y() < column[low].y()) low = i;
        if (column[i].y() > column[high].y()) high = i;
    }
    std::array<qsizetype, kKept> kept{0, low, high, count - 1};
    std::sort(kept.begin(), kept.end());
    QPoint reduced[kKept];
    int n = 0;
    for (qsizetype index : kept)
        if (n == 0 || reduced[n - 1] != column[index]) reduced[n++] = column[index];
    points_.resize(columnStart_);
    for (int i = 0; i < n; ++i)
        points_ << reduced[i];
}

const QPolygon& ColumnPolyline::finish() {
    reduceColumn();
    columnStart_ = points_.size();
    if (points_.size() == 1) points_ << points_.front();
    return points_;
}

} // namespace plotwise
