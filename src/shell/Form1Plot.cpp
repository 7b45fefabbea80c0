// The plot's side of the main window: its handlers forwarded to the plot, and
// what the plot asks of the window.
#include "Form1Batch.h"
#include "Form1Core.h"

#include <QCoreApplication>

namespace plotwise {
namespace {

constexpr unsigned kPlotChanges = Change::Picture | Change::PlotControls | Change::PlotPointer |
                                  Change::State;

} // namespace

PlotWords Form1Core::plotWords() const {
    const LanguageTable& t = shell_.languageTable;
    PlotWords w;
    w.degree = t[12];
    w.mm = t[13];
    w.fileName = t[14];
    w.torqueTitle = t[15];
    w.angleTitle = t[16];
    w.loadTitle = t[17];
    w.distanceTitle = t[18];
    w.seconds = t[44];
    w.spindleHeading = t[4];
    w.torqueHeading = t[5];
    w.angleHeading = t[6];
    w.pressHeading = t[40];
    w.loadHeading = t[41];
    w.distanceHeading = t[42];
    return w;
}

unsigned Form1Core::takePlotChanges() {
    const unsigned plot = plot_.takeChanges();
    unsigned changes = 0;
    if (plot & PlotChange::Picture) changes |= Change::Picture;
    if (plot & PlotChange::Controls) changes |= Change::PlotControls | Change::Texts | Change::Grid1;
    if (plot & PlotChange::Pointer) changes |= Change::PlotPointer;
    return changes;
}

// Picture1's scale area: its size less two pixels of border on each side.
void Form1Core::syncPictureSize() {
    const Rect& rect = layout_.layout().picture1.rect;
    plot_.resizePicture((rect.width - PlotCanvas::kBorderTwips) / FormLayout::kTwipsPerPixel,
                        (rect.height - PlotCanvas::kBorderTwips) / FormLayout::kTwipsPerPixel);
}

void Form1Core::setPictureSize(int widthPixels, int heightPixels) {
    Batch batch(*this, Change::Picture);
    plot_.resizePicture(widthPixels, heightPixels);
}

void Form1Core::timer3Tick() {
    Batch batch(*this, 0);
    plot_.timer3Tick();
}

void Form1Core::option1Click(int index) {
    Batch batch(*this, kPlotChanges);
    plot_.option1Click(index);
}

void Form1Core::option2Click(int index) {
    Batch batch(*this, Change::PlotControls);
    plot_.option2Click(index);
}

void Form1Core::option3Click(int index) {
    Batch batch(*this, Change::PlotControls);
    plot_.option3Click(index);
}

void Form1Core::hsChange(int value) {
    Batch batch(*this, Change::State);
    plot_.setHS(value);
}

void Form1Core::vsChange(int value) {
    Batch batch(*this, Change::State);
    plot_.setVS(value);
}

void Form1Core::text1Change(const std::string& text) {
    Batch batch(*this, 0);
    plot_.setText1(text);
}

void Form1Core::text2Change(const std::string& text) {
    Batch batch(*this, 0);
    plot_.setText2(text);
}

void Form1Core::text1Enter() {
    Batch batch(*this, Change::State);
    plot_.text1Enter();
}

void Form1Core::text2Enter() {
    Batch batch(*this, Change::State);
    plot_.text2Enter();
}

void Form1Core::picture1MouseDown(int button, double x, double y) {
    Batch batch(*this, Change::State);
    plot_.mouseDown(button, x, y);
}

void Form1Core::picture1MouseMove(int buttons, double x, double y) {
    Batch batch(*this, 0);
    plot_.mouseMove(buttons, x, y);
}

void Form1Core::picture1MouseUp(int button, double x, double y) {
    Batch batch(*this, 0);
    plot_.mouseUp(button, x, y);
}

void Form1Core::picture1Click() {
    Batch batch(*this, 0);
    plot_.click();
}

void Form1Core::picture1DblClick() {
    Batch batch(*this, 0);
    plot_.doubleClick();
}

void Form1Core::picture1MouseLeave() {
    Batch batch(*this, 0);
    plot_.mouseLeft();
}

// ---- what the plot asks of the window ----

LoadContext Form1Core::loadContext() const {
    return LoadContext{fs_, folders_.dir, layout_.layout().grid2.visible};
}

bool Form1Core::resultTableVisible() const {
    return layout_.layout().grid2.visible;
}

bool Form1Core::pictureVisible() const {
    return layout_.layout().picture1.visible;
}

void Form1Core::hideGrid1() {
    notify(Change::Layout);
    layout_.layout().grid1.visible = false;
}

bool Form1Core::noCurveNoticeVisible() const {
    return layout_.layout().label2.visible;
}

void Form1Core::hideNoCurveNotice() {
    if (!layout_.layout().label2.visible) return;
    notify(Change::Layout);
    layout_.layout().label2.visible = false;
}

void Form1Core::showDiagnosticLabel(int index) {
    if (index < 0 || index >= static_cast<int>(layout_.layout().label1.size())) return;
    notify(Change::Layout | Change::PlotControls);
    layout_.layout().label1[static_cast<std::size_t>(index)].visible = true;
}

void Form1Core::setBusy(bool busy) {
    notify(Change::Layout);
    layout_.setPointer(busy ? MousePointer::Busy : MousePointer::Default);
}

// A long drawing lets the window repaint and take input between curves.
void Form1Core::processEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void Form1Core::copyPictureToClipboard(const QImage& image) {
    if (exportSeams.clipboard.setPicture) exportSeams.clipboard.setPicture(image);
}

} // namespace plotwise
