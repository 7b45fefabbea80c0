#pragma once
#include "curvefiles/CurveLoader.h"

#include <array>
#include <string>

class QImage;

namespace plotwise {

class CurveList;
class LoadedCurveTable;
struct LoadState;

// What the plot needs from the window around it: the curve list, the
// loaded-curve table, the load state, and a few widgets outside the plot.
class PlotHost {
public:
    virtual ~PlotHost() = default;
    virtual const CurveList& hostCurveList() const = 0;
    virtual LoadedCurveTable& hostGrid1() = 0;
    virtual LoadState& hostLoadState() = 0;
    virtual LoadContext loadContext() const = 0;
    // Full list path of the selected entry as the last list click left it.
    virtual const std::string& selectedEntryText() const = 0;
    // Captions of the six scale buttons; the grid rewrites them per curve kind.
    virtual std::array<std::string, 6>& scaleCaptions() = 0;

    virtual bool resultTableVisible() const = 0; // Grid2
    virtual bool pictureVisible() const = 0;     // Picture1
    virtual void hideGrid1() = 0;
    virtual bool noCurveNoticeVisible() const = 0; // Label2
    virtual void hideNoCurveNotice() = 0;
    virtual void showDiagnosticLabel(int index) = 0; // Label1(index), "/W" only

    virtual void setBusy(bool busy) = 0;
    // Lets pending window events run during a long drawing.
    virtual void processEvents() = 0;
    // A marker click on the plot while the result table is shown.
    virtual void resultSelectionChanged() = 0;
    virtual void copyPictureToClipboard(const QImage& image) = 0;
};

} // namespace plotwise
