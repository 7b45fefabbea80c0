#include "ColumnPolyline.h"

#include <algorithm>

namespace plotwise {

void ColumnPolyline::add(QPoint point) {
    Indexed& last = end_[2];
    if (count_ > 0 && point == last.point) return; // the same pixel again draws nothing new
    if (count_ > 0 && point.x() == last.point.x()) {
        if (count_ == 1) second_ = {point, 1};
        if (count_ >= 2) {
            // The newest point so far lies between the column's ends now.
            if (count_ == 2 || last.point.y() < low_.point.y()) low_ = last;
            if (count_ == 2 || last.point.y() > high_.point.y()) high_ = last;
        }
        end_ = {end_[1], last, Indexed{point, count_++}};
        return;
    }
    flushColumn();
    first_ = end_[2] = {point, 0};
    end_[0] = end_[1] = first_;
    count_ = 1;
}

void ColumnPolyline::append(QPoint point) {
    if (points_.isEmpty() || points_.back() != point) points_ << point;
}

void ColumnPolyline::flushColumn() {
    if (count_ == 0) return;
    std::array<Indexed, 7> kept{first_, second_, low_, high_, end_[0], end_[1], end_[2]};
    const int used = count_ >= 3 ? 7 : (count_ == 2 ? 2 : 1);
    std::sort(kept.begin(), kept.begin() + used,
              [](const Indexed& a, const Indexed& b) { return a.index < b.index; });
    for (int i = 0; i < used; ++i)
        append(kept[static_cast<std::size_t>(i)].point);
    count_ = 0;
}

const QPolygon& ColumnPolyline::finish() {
    flushColumn();
    if (points_.size() == 1) points_ << points_.front();
    return points_;
}

} // namespace plotwise
