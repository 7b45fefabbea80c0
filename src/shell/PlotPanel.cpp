// The plot's side of the main window: its handlers forwarded to the plot, and
// what the plot asks of the window.
#include "PlotPanel.h"

namespace plotwise {
namespace {

using Batch = ViewChanges::Batch;

constexpr unsigned kPlotChanges = Change::Picture | Change::PlotControls | Change::PlotPointer |
                                  Change::State;

} // namespace

PlotWords PlotPanel::words(const LanguageTable& t) {
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

unsigned PlotPanel::takeChanges() {
    const unsigned plot = s_.plot.takeChanges();
    unsigned changes = 0;
    if (plot & PlotChange::Picture) changes |= Change::Picture;
    if (plot & PlotChange::Controls) changes |= Change::PlotControls | Change::Texts | Change::Grid1;
    if (plot & PlotChange::Pointer) changes |= Change::PlotPointer;
    return changes;
}

// Picture1's scale area: its size less two pixels of border on each side.
void PlotPanel::syncPictureSize() {
    const Rect& rect = s_.layout.layout().picture1.rect;
    s_.plot.resizePicture((rect.width - PlotCanvas::kBorderTwips) / FormLayout::kTwipsPerPixel,
                        (rect.height - PlotCanvas::kBorderTwips) / FormLayout::kTwipsPerPixel);
}

void PlotPanel::setPictureSize(int widthPixels, int heightPixels) {
    Batch batch(s_.changes, Change::Picture);
    s_.plot.resizePicture(widthPixels, heightPixels);
}

void PlotPanel::timer3Tick() {
    Batch batch(s_.changes, 0);
    s_.plot.timer3Tick();
}

void PlotPanel::option1Click(int index) {
    Batch batch(s_.changes, kPlotChanges);
    s_.plot.option1Click(index);
}

void PlotPanel::option2Click(int index) {
    Batch batch(s_.changes, Change::PlotControls);
    s_.plot.option2Click(index);
}

void PlotPanel::option3Click(int index) {
    Batch batch(s_.changes, Change::PlotControls);
    s_.plot.option3Click(index);
}

void PlotPanel::hsChange(int value) {
    Batch batch(s_.changes, Change::State);
    s_.plot.setHS(value);
}

void PlotPanel::vsChange(int value) {
    Batch batch(s_.changes, Change::State);
    s_.plot.setVS(value);
}

void PlotPanel::text1Change(const std::string& text) {
    Batch batch(s_.changes, 0);
    s_.plot.setText1(text);
}

void PlotPanel::text2Change(const std::string& text) {
    Batch batch(s_.changes, 0);
    s_.plot.setText2(text);
}

void PlotPanel::text1Enter() {
    Batch batch(s_.changes, Change::State);
    s_.plot.text1Enter();
}

void PlotPanel::text2Enter() {
    Batch batch(s_.changes, Change::State);
    s_.plot.text2Enter();
}

void PlotPanel::picture1MouseDown(int button, double x, double y) {
    Batch batch(s_.changes, Change::State);
    s_.plot.mouseDown(button, x, y);
}

void PlotPanel::picture1MouseMove(int buttons, double x, double y) {
    Batch batch(s_.changes, 0);
    s_.plot.mouseMove(buttons, x, y);
}

void PlotPanel::picture1MouseUp(int button, double x, double y) {
    Batch batch(s_.changes, 0);
    s_.plot.mouseUp(button, x, y);
}

void PlotPanel::picture1Click() {
    Batch batch(s_.changes, 0);
    s_.plot.click();
}

void PlotPanel::picture1DblClick() {
    Batch batch(s_.changes, 0);
    s_.plot.doubleClick();
}

void PlotPanel::picture1MouseLeave() {
    Batch batch(s_.changes, 0);
    s_.plot.mouseLeft();
}

// ---- what the plot asks of the window ----

bool PlotPanel::resultTableVisible() const {
    return s_.layout.layout().grid2.visible;
}

bool PlotPanel::pictureVisible() const {
    return s_.layout.layout().picture1.visible;
}

void PlotPanel::hideGrid1() {
    s_.changes.add(Change::Layout);
    s_.layout.layout().grid1.visible = false;
}

bool PlotPanel::noCurveNoticeVisible() const {
    return s_.layout.layout().label2.visible;
}

void PlotPanel::hideNoCurveNotice() {
    if (!s_.layout.layout().label2.visible) return;
    s_.changes.add(Change::Layout);
    s_.layout.layout().label2.visible = false;
}

void PlotPanel::showDiagnosticLabel(int index) {
    if (index < 0 || index >= static_cast<int>(s_.layout.layout().label1.size())) return;
    s_.changes.add(Change::Layout | Change::PlotControls);
    s_.layout.layout().label1[static_cast<std::size_t>(index)].visible = true;
}

void PlotPanel::setBusy(bool busy) {
    s_.changes.add(Change::Layout);
    s_.layout.setPointer(busy ? MousePointer::Busy : MousePointer::Default);
}

} // namespace plotwise
