#include "StatsModel.h"

#include "curvelist/CurveList.h"

#include <QMetaObject>
#include <QPointer>

#include <cmath>
#include <sstream>

namespace plotwise::stats {

std::optional<std::string> parseLimitList(const std::string& text, LimitSet& limits) {
    std::string spaced = text;
    for (char& c : spaced)
        if (c == ',' || c == ';') c = ' ';
    std::istringstream words(spaced);
    LimitSet parsed;
    for (std::string word; words >> word;)
        if (auto error = addLimits(word, parsed)) return error;
    limits = parsed;
    return std::nullopt;
}

StatsModel::StatsModel(const FileSystem& fs, QObject* parent) : QObject(parent), fs_(fs) {}

StatsModel::~StatsModel() { stopWorker(); }

void StatsModel::stopWorker() {
    if (cancel_) *cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

void StatsModel::setCurves(const CurveList& list, const std::string& folder) {
    auto curves = tickedPeaks(list);
    if (curves == curves_ && folder == folder_ && generation_ > 0) return;
    stopWorker();
    curves_ = std::move(curves);
    folder_ = folder;
    detection_ = Detection{};
    detection_.curves.resize(curves_.size());
    recompute();
    const int generation = ++generation_;
    finished_ = false;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const int total = static_cast<int>(curves_.size());
    emit detectionProgress(0, total);
    QPointer<StatsModel> self(this);
    worker_ = std::thread([this, self, generation, total, curves = curves_, folder = folder_,
                           cancel = cancel_] {
        auto progress = [&](int done) {
            QMetaObject::invokeMethod(this, [self, done, total] {
                if (self) emit self->detectionProgress(done, total);
            }, Qt::QueuedConnection);
        };
        auto samples = loadCurveSamples(curves, folder, fs_, 0, progress, cancel.get());
        if (*cancel) return;
        auto detection = std::make_shared<Detection>(detectAbnormal(curves, samples));
        samples.clear();
        QMetaObject::invokeMethod(this, [self, generation, detection] {
            if (!self || self->generation_ != generation) return;
            self->detection_ = std::move(*detection);
            self->finished_ = true;
            emit self->detectionFinished();
        }, Qt::QueuedConnection);
    });
}

std::optional<QString> StatsModel::setLimits(const QString& yLimits, const QString& xLimits) {
    LimitSet y, x;
    if (auto error = parseLimitList(yLimits.toStdString(), y)) return QString::fromStdString(*error);
    if (auto error = parseLimitList(xLimits.toStdString(), x)) return QString::fromStdString(*error);
    yLimits_ = y;
    xLimits_ = x;
    recompute();
    return std::nullopt;
}

void StatsModel::recompute() {
    groups_ = computeStats(groupBySpindle(curves_), yLimits_, xLimits_);
    emit statsChanged();
}

std::map<int, QString> StatsModel::abnormalEntries() const {
    std::map<int, QString> marks;
    for (std::size_t i = 0; i < curves_.size() && i < detection_.curves.size(); ++i) {
        const CurveJudgement& j = detection_.curves[i];
        if (!j.abnormal) continue;
        marks[curves_[i].entry] =
            QString("Abnormal curve: it leaves the band of spindle %1 by %2 spreads (threshold %3), "
                    "%4 to %5 back from its end")
                .arg(curves_[i].spindle)
                .arg(*j.score, 0, 'f', 1)
                .arg(detection_.threshold)
                .arg(j.from, 0, 'g', 4)
                .arg(j.to, 0, 'g', 4);
    }
    return marks;
}

std::optional<PlotBand> StatsModel::plotBand(int spindle) const {
    for (const ReferenceBand& band : detection_.bands) {
        if (band.spindle != spindle) continue;
        PlotBand plot;
        for (std::size_t g = 0; g < band.median.size(); ++g) {
            if (std::isnan(band.median[g])) continue;
            const double reach = detection_.threshold * band.spread[g];
            plot.x.push_back(band.endX - (double(g) + 0.5) * band.cellWidth);
            plot.middle.push_back(band.median[g]);
            plot.low.push_back(band.median[g] - reach);
            plot.high.push_back(band.median[g] + reach);
        }
        return plot;
    }
    return std::nullopt;
}

} // namespace plotwise::stats
