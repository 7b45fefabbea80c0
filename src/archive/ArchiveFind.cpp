#include "ArchiveFind.h"

#include "curvefiles/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace plotwise::archive {
namespace {

const QStringList kHeadings = {"Path", "Date-time", "ID", "Program", "Spindle", "Peak Y", "Peak X"};

} // namespace

std::optional<ArchiveFilter> filterFromTexts(const FindTexts& t, QString* error) {
    ArchiveFilter filter;
    if (!t.id.trimmed().isEmpty()) filter.id = t.id.trimmed();
    for (const auto& [text, field, name] : {std::tuple{&t.from, &filter.from, "From"},
                                            std::tuple{&t.to, &filter.to, "To"}}) {
        if (text->trimmed().isEmpty()) continue;
        *field = parseFilterTime(text->trimmed());
        if (!*field) {
            *error = QString("%1 is not a date-time like 2026-11-05T06:00:00").arg(name);
            return std::nullopt;
        }
    }
    for (const auto& [text, field, name] : {std::tuple{&t.program, &filter.program, "Program"},
                                            std::tuple{&t.spindle, &filter.spindle, "Spindle"}}) {
        if (text->trimmed().isEmpty()) continue;
        bool ok = false;
        const int value = text->trimmed().toInt(&ok);
        if (!ok || value < 0) {
            *error = QString("%1 is not a whole number").arg(name);
            return std::nullopt;
        }
        *field = value;
    }
    const std::tuple<const QString*, const QString*, std::optional<double>*, std::optional<double>*, const char*> ranges[] = {
        {&t.peakYMin, &t.peakYMax, &filter.peakYMin, &filter.peakYMax, "Peak Y"},
        {&t.peakXMin, &t.peakXMax, &filter.peakXMin, &filter.peakXMax, "Peak X"}};
    for (const auto& [min, max, low, high, name] : ranges) {
        const auto range = parseRange(min->trimmed() + ":" + max->trimmed(), error);
        if (!range) {
            *error = QString("%1: %2").arg(name, *error);
            return std::nullopt;
        }
        *low = range->first;
        *high = range->second;
    }
    if (!t.limit.trimmed().isEmpty()) {
        bool ok = false;
        const qint64 value = t.limit.trimmed().toLongLong(&ok);
        if (!ok || value < 0) {
            *error = "Limit is not a whole number";
            return std::nullopt;
        }
        filter.limit = value;
    }
    return filter;
}

QString archiveRootOf(const QString& folder) {
    QDir dir(QFileInfo(folder).absoluteFilePath());
    for (QDir at = dir;;) {
        const QString name = at.dirName().toUpper();
        if (name == "CURVE" || name == "RESULT") {
            at.cdUp();
            return QDir::toNativeSeparators(at.absolutePath());
        }
        if (!at.cdUp()) break;
    }
    return QDir::toNativeSeparators(dir.absolutePath());
}

int ArchiveMatchModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(matches_.size());
}

int ArchiveMatchModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kHeadings.size());
}

QVariant ArchiveMatchModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ArchiveMatch& m = matches_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() >= 3 ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    auto number = [](const auto& value) -> QVariant {
        if (!value) return {};
        if constexpr (std::is_same_v<std::decay_t<decltype(*value)>, double>) return numberText(*value);
        else return *value;
    };
    switch (index.column()) {
    case 0: return m.path;
    case 1: return m.dateTime;
    case 2: return m.id;
    case 3: return number(m.program);
    case 4: return number(m.spindle);
    case 5: return number(m.peakY);
    default: return number(m.peakX);
    }
}

QVariant ArchiveMatchModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return kHeadings.value(section);
}

void ArchiveMatchModel::setMatches(std::vector<ArchiveMatch> matches) {
    beginResetModel();
    matches_ = std::move(matches);
    endResetModel();
}

ArchiveFindController::ArchiveFindController(QObject* parent) : QObject(parent) {}

ArchiveFindController::~ArchiveFindController() { waitForBuild(); }

void ArchiveFindController::setRoot(const QString& root) { root_ = root; }

bool ArchiveFindController::hasIndex() const {
    QString error;
    const auto target = archiveTarget(root_, db_, &error);
    // A server is asked when searched; a file is there or not.
    return target && (target->kind == ArchiveTarget::Kind::PostgreSQL || QFileInfo(target->file).isFile());
}

QString ArchiveFindController::search(const FindTexts& texts) {
    QString error;
    const auto filter = filterFromTexts(texts, &error);
    if (!filter) return error;
    const auto target = archiveTarget(root_, db_, &error);
    if (!target) return error;
    ArchiveDatabase database;
    if (!database.open(*target, true) || !database.hasSchema()) return database.error();
    std::vector<ArchiveMatch> matches;
    if (!findCurves(database, *filter, [&](const ArchiveMatch& m) { matches.push_back(m); }))
        return database.error();
    model_.setMatches(std::move(matches));
    return {};
}

QString ArchiveFindController::absolutePath(int row) const {
    if (row < 0 || row >= model_.rowCount()) return {};
    return QDir(root_).filePath(model_.matches()[static_cast<std::size_t>(row)].path);
}

void ArchiveFindController::buildIndex() {
    if (worker_) return;
    QString error;
    const auto target = archiveTarget(root_, db_, &error);
    if (!target) {
        emit indexBuilt(false, error);
        return;
    }
    stop_->store(false);
    const std::string root = QFile::encodeName(root_).toStdString();
    auto stop = stop_;
    // Results travel back as queued signals; the thread has its own connection.
    worker_ = QThread::create([this, target = *target, root, stop] {
        ArchiveDatabase database;
        LocalFileSystem fs;
        bool ok = database.open(target, false);
        ArchiveIndexer indexer(database, root, fs);
        indexer.onProgress = [this, stop](const IndexCounts& c) {
            emit progress(c.filesRead, c.folders);
            return !stop->load();
        };
        QStringList problems;
        indexer.onProblem = [&problems](const QString& problem) { problems << problem; };
        ok = ok && indexer.run();
        const auto& c = indexer.counts();
        QString message = ok ? QString("%1 folders, %2 added, %3 changed, %4 removed")
                                   .arg(c.folders).arg(c.added).arg(c.changed).arg(c.removed)
                             : database.error();
        if (!problems.isEmpty()) message += "; " + problems.join("; ");
        emit indexBuilt(ok && problems.isEmpty(), message);
    });
    connect(worker_, &QThread::finished, this, [this] {
        if (worker_) worker_->deleteLater();
        worker_ = nullptr;
    });
    worker_->start();
}

void ArchiveFindController::waitForBuild() {
    if (!worker_) return;
    stop_->store(true);
    worker_->wait();
    delete worker_.data();
}

} // namespace plotwise::archive
