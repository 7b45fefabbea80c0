#pragma once
#include <QFrame>

namespace plotwise::ui {

// A frame that reports the mouse events on its own surface (not on its
// children) in twips relative to itself, for the splitter handlers.
class PanelFrame : public QFrame {
    Q_OBJECT
public:
    explicit PanelFrame(QWidget* parent = nullptr);

signals:
    void mouseDown(int button, int shift, int x, int y);
    void mouseMove(int button, int shift, int x, int y);
    void mouseUp(int button, int shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace plotwise::ui
