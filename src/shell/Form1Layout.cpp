// Form_Resize and the two splitters.
#include "Form1Core.h"


#include <QString>

namespace plotwise {
namespace {

constexpr unsigned kLayoutChanges = Change::Layout | Change::State;

// A size in pixels as plain decimal text: whole numbers without decimals.
std::string pixelText(double pixels) {
    return QString::number(pixels, 'g', 15).toStdString();
}

} // namespace

void Form1Core::formResize(int innerWidth, int innerHeight, int outerWidth) {
    Batch batch(changes_, kLayoutChanges | Change::Texts);
    layout_.resize(innerWidth, innerHeight, outerWidth);
    lowerLayoutDone();
    notify(Change::PlotControls);
    plot_.view().clearMarkers();
    plot_.view().gridDirty = true;
    plot_.view().redrawPending = true;
    layout_.setPointer(MousePointer::Default);
}

// After the lower layout ran: the caption names the plot's new size, and the
// plot is redrawn from the table for multi-spindle nutrunner files, else the
// selected curve.
void Form1Core::lowerLayoutDone() {
    notify(Change::Texts);
    const Rect& plot = layout_.layout().picture1.rect;
    const double perPixel = FormLayout::kTwipsPerPixel;
    texts_.caption = versionCaption() + shell_.languageTable[LanguageTable::ImageSize] +
                     pixelText(plot.width / perPixel - 4) + " x " +
                     pixelText(plot.height / perPixel - 4);
    plotPanel_.syncPictureSize();
    plot_.view().gridDirty = true;
    plot_.view().drawSource = load_.curveFileFamily == 1 ? 2 : 1;
    plot_.view().redrawPending = true;
}

void Form1Core::frame1MouseDown(int, int, int x, int) {
    Batch batch(changes_, Change::Layout);
    layout_.frame1Down(x);
}

void Form1Core::frame1MouseMove(int button, int, int x, int) {
    Batch batch(changes_, Change::Layout);
    layout_.frame1Move(button, x);
}

void Form1Core::frame1MouseUp(int, int, int x, int) {
    Batch batch(changes_, Change::Layout);
    layout_.frame1Up(x);
}

void Form1Core::frame2MouseDown(int, int, int, int y) {
    Batch batch(changes_, Change::Layout);
    layout_.frame2Down(y);
}

void Form1Core::frame2MouseMove(int button, int, int, int y) {
    Batch batch(changes_, Change::Layout);
    layout_.frame2Move(button, y);
}

void Form1Core::frame2MouseUp(int, int, int, int y) {
    Batch batch(changes_, kLayoutChanges);
    if (layout_.frame2Up(y)) lowerLayoutDone();
}

} // namespace plotwise
