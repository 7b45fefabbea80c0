#pragma once
// The statistics window's model, without widgets: the curves it looks at,
// the limits typed in, the groups' statistics, and the abnormal-curve
// detection, which runs on worker threads and reports its progress.
#include "CurveBand.h"
#include "StatsReport.h"
#include "plot/PlotController.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace plotwise {
class CurveList;
class FileSystem;
}

namespace plotwise::stats {

class StatsModel : public QObject {
    Q_OBJECT
public:
    explicit StatsModel(const FileSystem& fs, QObject* parent = nullptr);
    ~StatsModel() override;

    // The ticked curves of the list in the folder: the statistics follow at
    // once, the detection starts in the background (a running one is dropped).
    // The same curves as before change nothing.
    void setCurves(const CurveList& list, const std::string& folder);
    // Limits as typed: "LSL:USL" for all groups and "S=LSL:USL" entries,
    // separated by blanks or commas; empty for none. An error text leaves the
    // limits as they were.
    std::optional<QString> setLimits(const QString& yLimits, const QString& xLimits);

    const std::vector<CurvePeak>& curves() const { return curves_; }
    const std::vector<GroupStats>& groups() const { return groups_; }
    // The last finished detection over the current curves (empty while none).
    const Detection& detection() const { return detection_; }
    bool detecting() const { return worker_.joinable() && !finished_; }
    // Abnormal curves by list entry, with the tooltip text that explains the mark.
    std::map<int, QString> abnormalEntries() const;
    // The reference band of a spindle as the plot draws it: median, and the
    // edges at the threshold's distance; none before the detection or when the
    // group was too small.
    std::optional<PlotBand> plotBand(int spindle) const;

signals:
    void statsChanged();
    void detectionProgress(int done, int total);
    void detectionFinished();

private:
    void recompute();
    void stopWorker();

    const FileSystem& fs_;
    std::vector<CurvePeak> curves_;
    std::string folder_;
    LimitSet yLimits_, xLimits_;
    std::vector<GroupStats> groups_;
    Detection detection_;
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    bool finished_ = true;
    int generation_ = 0;
};

// Limits as the window takes them (see setLimits); nullopt and the error on bad text.
std::optional<std::string> parseLimitList(const std::string& text, LimitSet& limits);

} // namespace plotwise::stats
