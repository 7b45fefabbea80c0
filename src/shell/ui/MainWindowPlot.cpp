// The plot's side of the main window: the picture, its text boxes, the scroll
// bars and option buttons, forwarded to the core and refreshed from it.
#include "MainWindow.h"
#include "PlotSurface.h"
#include "UiConvert.h"
#include "shell/Form1Core.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>

namespace plotwise::ui {
namespace {

Qt::CursorShape plotCursor(int pointer) {
    switch (pointer) {
    case PlotPointer::Zoom:
        return Qt::CrossCursor;
    case PlotPointer::PanBoth:
        return Qt::SizeAllCursor;
    case PlotPointer::PanVertical:
        return Qt::SizeVerCursor;
    case PlotPointer::PanHorizontal:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// A text box on the picture: picture units inside the border to pixels.
QRect textBoxRect(const PlotTextBox& box) {
    const int border = PlotSurface::kBorderPixels;
    return QRect(static_cast<int>(box.left / 15) + border, static_cast<int>(box.top / 15) + border,
                 static_cast<int>(box.width / 15), static_cast<int>(box.height / 15));
}

void setScrollBar(QScrollBar* bar, const ScrollBarState& state) {
    bar->setRange(state.minimum, state.maximum);
    bar->setSingleStep(state.smallChange);
    bar->setPageStep(state.largeChange);
    bar->setValue(state.value);
}

} // namespace

void MainWindow::connectPlot() {
    connectPlotMouse();
    connectPlotControls();
}

void MainWindow::connectPlotMouse() {
    PlotSurface* picture = w_.picture1;
    connect(picture, &PlotSurface::mouseDown, this,
            [this](int b, double x, double y) { core_.plotPanel().picture1MouseDown(b, x, y); });
    connect(picture, &PlotSurface::mouseMove, this,
            [this](int b, double x, double y) { core_.plotPanel().picture1MouseMove(b, x, y); });
    connect(picture, &PlotSurface::mouseUp, this,
            [this](int b, double x, double y) { core_.plotPanel().picture1MouseUp(b, x, y); });
    connect(picture, &PlotSurface::clicked, this, [this] { core_.plotPanel().picture1Click(); });
    connect(picture, &PlotSurface::doubleClicked, this, [this] { core_.plotPanel().picture1DblClick(); });
    connect(picture, &PlotSurface::left, this, [this] { core_.plotPanel().picture1MouseLeave(); });
}

void MainWindow::connectPlotControls() {
    connect(w_.hs, &QScrollBar::valueChanged, this, [this](int value) {
        if (!updating_) core_.plotPanel().hsChange(value);
    });
    connect(w_.vs, &QScrollBar::valueChanged, this, [this](int value) {
        if (!updating_) core_.plotPanel().vsChange(value);
    });
    for (std::size_t i = 0; i < w_.option1.size(); ++i)
        connect(w_.option1[i], &QRadioButton::clicked, this,
                [this, i] { core_.plotPanel().option1Click(static_cast<int>(i)); });
    for (std::size_t i = 0; i < w_.option2.size(); ++i)
        connect(w_.option2[i], &QRadioButton::clicked, this,
                [this, i] { core_.plotPanel().option2Click(static_cast<int>(i)); });
    for (std::size_t i = 0; i < w_.option3.size(); ++i)
        connect(w_.option3[i], &QRadioButton::clicked, this,
                [this, i] { core_.plotPanel().option3Click(static_cast<int>(i)); });
    connect(w_.text1, &QLineEdit::textEdited, this,
            [this](const QString& text) { core_.plotPanel().text1Change(toUtf8(text)); });
    connect(w_.text2, &QLineEdit::textEdited, this,
            [this](const QString& text) { core_.plotPanel().text2Change(toUtf8(text)); });
    connect(w_.text1, &QLineEdit::returnPressed, this, [this] { core_.plotPanel().text1Enter(); });
    connect(w_.text2, &QLineEdit::returnPressed, this, [this] { core_.plotPanel().text2Enter(); });
}

// A redraw request is served when the event loop is next idle; requests made
// before then cost one drawing. Timer3 stays the fallback.
void MainWindow::scheduleRedraw() {
    if (redrawScheduled_ || !core_.redrawPending()) return;
    redrawScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        redrawScheduled_ = false;
        core_.timer3Tick();
    });
}

void MainWindow::refreshPicture() {
    w_.picture1->setImage(core_.plot().canvas().image());
}

void MainWindow::refreshPlotControls() {
    const PlotController& plot = core_.plot();
    setScrollBar(w_.hs, plot.hs());
    setScrollBar(w_.vs, plot.vs());
    w_.option1[static_cast<std::size_t>(plot.option1Selected())]->setChecked(true);
    w_.option2[static_cast<std::size_t>(plot.option2Selected())]->setChecked(true);
    if (plot.option3Selected() >= 0)
        w_.option3[static_cast<std::size_t>(plot.option3Selected())]->setChecked(true);
    for (std::size_t i = 0; i < w_.label1.size(); ++i)
        w_.label1[i]->setText(fromLatin1(plot.diagnosticCaptions()[i]));
    refreshPlotTextBoxes();
}

void MainWindow::refreshPlotTextBoxes() {
    PlotController& plot = core_.plot();
    const std::array<QLineEdit*, 2> edits = {w_.text1, w_.text2};
    const std::array<const PlotTextBox*, 2> boxes = {&plot.text1(), &plot.text2()};
    const std::array<bool, 2> focus = {plot.takeText1Focus(), plot.takeText2Focus()};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        QLineEdit* edit = edits[i];
        edit->setGeometry(textBoxRect(*boxes[i]));
        if (edit->text() != fromLatin1(boxes[i]->text)) edit->setText(fromLatin1(boxes[i]->text));
        edit->setVisible(boxes[i]->visible);
        if (focus[i]) {
            edit->setFocus();
            edit->selectAll();
        }
    }
}

void MainWindow::refreshPlotPointer() {
    const PlotController& plot = core_.plot();
    w_.picture1->setCursor(plotCursor(plot.pictureCursor()));
    w_.picture1->setToolTip(plot.pictureCursor() != 0 ? fromLatin1(plot.toolTip()) : QString());
}

} // namespace plotwise::ui
