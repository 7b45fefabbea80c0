#pragma once
// The Find window's work without the window: the archive root and its index,
// the filter texts checked and searched, the matches as a table model, and
// the index built in the background with progress.
#include "ArchiveIndexer.h"
#include "ArchiveSearch.h"

#include <QAbstractTableModel>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <memory>

namespace plotwise::archive {

// The filters as typed; blank texts filter nothing.
struct FindTexts {
    QString id, from, to, program, spindle, peakYMin, peakYMax, peakXMin, peakXMax, limit;
};

// The filter the texts give; nullopt with `error` naming the field at fault.
std::optional<ArchiveFilter> filterFromTexts(const FindTexts& texts, QString* error);

// The archive root a folder belongs to: the folder that holds its "CURVE" or
// "RESULT" folder, else the folder itself.
QString archiveRootOf(const QString& folder);

class ArchiveMatchModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void setMatches(std::vector<ArchiveMatch> matches);
    const std::vector<ArchiveMatch>& matches() const { return matches_; }

private:
    std::vector<ArchiveMatch> matches_;
};

class ArchiveFindController : public QObject {
    Q_OBJECT
public:
    explicit ArchiveFindController(QObject* parent = nullptr);
    ~ArchiveFindController() override;

    void setRoot(const QString& root);
    const QString& root() const { return root_; }
    // An index given instead of the root's default one ("" for the default).
    void setDatabase(const QString& db) { db_ = db; }
    bool hasIndex() const;

    // Searches; returns "" or the reason nothing was searched.
    QString search(const FindTexts& texts);
    ArchiveMatchModel& model() { return model_; }
    // The file of a match row as a path of the file system.
    QString absolutePath(int row) const;

    // Builds or brings up to date the index in a thread of its own.
    void buildIndex();
    bool building() const { return worker_ != nullptr; }
    // Waits for a running build (the window closing).
    void waitForBuild();

signals:
    void progress(int filesRead, int folders);
    // The build ended: `message` says what was done or why it failed.
    void indexBuilt(bool ok, const QString& message);

private:
    QString root_, db_;
    ArchiveMatchModel model_;
    QPointer<QThread> worker_;
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
};

} // namespace plotwise::archive
