#pragma once
#include <QImage>
#include <QWidget>

namespace plotwise::ui {

// The plot picture: shows the plot image inside a two-pixel border and reports
// the mouse in picture units (twips of the area inside the border; buttons 1
// left, 2 right). A release is followed by a click, except the release that
// ends a double click.
class PlotSurface : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorderPixels = 2;

    explicit PlotSurface(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }

signals:
    void mouseDown(int button, double x, double y);
    void mouseMove(int buttons, double x, double y);
    void mouseUp(int button, double x, double y);
    void clicked();
    void doubleClicked();
    void left();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage image_;
    bool releaseEndsDoubleClick_ = false;
};

} // namespace plotwise::ui
