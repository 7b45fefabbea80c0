#include "PanelFrame.h"

#include "UiConvert.h"

#include <QMouseEvent>

namespace plotwise::ui {

PanelFrame::PanelFrame(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setMouseTracking(true);
    // The plot panel overlaps the navigation panel's lower edge and must hide it.
    setAutoFillBackground(true);
}

void PanelFrame::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), toTwips(p.x()),
                   toTwips(p.y()));
}

void PanelFrame::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), toTwips(p.x()),
                   toTwips(p.y()));
}

void PanelFrame::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), toTwips(p.x()),
                 toTwips(p.y()));
}

} // namespace plotwise::ui
