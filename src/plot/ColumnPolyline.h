#pragma once
#include <QPolygon>

namespace plotwise {

// A polyline in pixels whose points arrive in drawing order and whose X
// moves in one direction only, as a curve's samples do, reduced to at most
// four points per pixel column: the column's first, lowest, highest and last
// point, in the order they came. Drawn with segments whose pixels depend on
// their ends alone (drawPixelPolyline), it sets the same pixels as every
// point would: the segments between columns are kept, and those inside a
// column are vertical spans whose union is the column's span from its lowest
// to its highest point, which the kept points span too. The drawing then
// costs what the picture is wide, not what the curve is long.
class ColumnPolyline {
public:
    void reserve(int points) { points_.reserve(points); }
    void add(QPoint point) {
        if (count_ > 0 && point.x() == first_.x()) {
            if (point == last_) return; // the same pixel again draws nothing new
            last_ = point;
            if (point.y() < low_.y()) low_ = point, lowAt_ = count_;
            if (point.y() > high_.y()) high_ = point, highAt_ = count_;
            ++count_;
            return;
        }
        closeColumn();
        first_ = low_ = high_ = last_ = point;
        lowAt_ = highAt_ = 0;
        count_ = 1;
    }
    // The reduced polyline; a single point becomes a segment of one pixel.
    const QPolygon& finish();

private:
    void closeColumn();

    QPolygon points_;
    // The column being gathered: its points so far and where its extremes came.
    QPoint first_, low_, high_, last_;
    int lowAt_ = 0, highAt_ = 0, count_ = 0;
};

} // namespace plotwise
