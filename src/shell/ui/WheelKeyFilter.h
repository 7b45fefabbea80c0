#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace plotwise::ui {

// Turns the mouse wheel over one window into arrow keys: every notch sends one
// Up (away from the user) or Down key press to the focused widget, so the wheel
// walks through the curve list or a table like the arrow keys. The wheel event
// itself goes on to its widget unchanged. Installed on the application.
class WheelKeyFilter : public QObject {
    Q_OBJECT
public:
    static constexpr int kNotch = 120; // angle delta of one notch

    // Translates wheel events aimed at `window` or its children.
    explicit WheelKeyFilter(QWidget* window, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inScope(QObject* watched) const;
    void translate(int delta);
    void sendKey(Qt::Key key);

    QPointer<QWidget> window_;
    int pending_ = 0; // part of a notch left over from high-resolution wheels
};

} // namespace plotwise::ui
