#pragma once
#include <QImage>
#include <QWidget>

namespace plotwise::ui {

// The plot picture: a white surface that shows the last drawn plot image.
class PlotSurface : public QWidget {
    Q_OBJECT
public:
    explicit PlotSurface(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

} // namespace plotwise::ui
