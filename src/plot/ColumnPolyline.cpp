#include "ColumnPolyline.h"

namespace plotwise {

// The column's kept points go out in the order they came, each once.
void ColumnPolyline::closeColumn() {
    if (count_ == 0) return;
    const int last = count_ - 1;
    const bool lowFirst = lowAt_ < highAt_;
    const int early = lowFirst ? lowAt_ : highAt_, late = lowFirst ? highAt_ : lowAt_;
    points_.emplace_back(first_);
    if (early != 0 && early != last) points_.emplace_back(lowFirst ? low_ : high_);
    if (late != early && late != last) points_.emplace_back(lowFirst ? high_ : low_);
    if (last != 0) points_.emplace_back(last_);
    count_ = 0;
}

const QPolygon& ColumnPolyline::finish() {
    closeColumn();
    if (points_.size() == 1) points_ << points_.front();
    return points_;
}

} // namespace plotwise
