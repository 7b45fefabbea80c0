#include "PdfPage.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cerrno>

namespace plotwise {

std::optional<FileWriteFailure> writePdfPage(const std::string& path, int widthPixels,
                                             int heightPixels,
                                             const std::function<void(QPainter&)>& draw) {
    constexpr double kPointsPerPixel = 72.0 / 96.0;
    return writeFileAtomically(path, [&](QIODevice& device) {
        QPdfWriter pdf(&device);
        pdf.setCreator(QStringLiteral("Plotwise"));
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(widthPixels * kPointsPerPixel, heightPixels * kPointsPerPixel),
                                  QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf)) return EIO;
        painter.scale(double(pdf.width()) / widthPixels, double(pdf.height()) / heightPixels);
        draw(painter);
        return painter.end() ? 0 : EIO;
    });
}

} // namespace plotwise
