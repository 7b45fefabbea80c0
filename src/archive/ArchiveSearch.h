#pragma once
// Searching an archive index: filters combined with AND, each reaching the
// database only as a bound value, and the matches written as JSON, CSV or an
// aligned text table.
#include "ArchiveDatabase.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace plotwise::archive {

struct ArchiveFilter {
    std::optional<QString> id;
    std::optional<QString> from, to; // "yyyy-mm-ddThh:mm:ss", inclusive
    std::optional<int> program, spindle;
    std::optional<double> peakYMin, peakYMax, peakXMin, peakXMax;
    std::optional<qint64> limit;
};

struct ArchiveMatch {
    QString path; // relative to the archive root
    QString dateTime, id;
    std::optional<int> program, spindle;
    std::optional<double> peakY, peakX;
};

// A filter's date-time argument in ISO form; nullopt when it is no date-time.
std::optional<QString> parseFilterTime(const QString& text);
// "MIN:MAX" with either side left out; nullopt with `error` set when a bound
// is no number or MIN lies above MAX.
std::optional<std::pair<std::optional<double>, std::optional<double>>> parseRange(const QString& text,
                                                                                   QString* error);

// Every match in cycle date-time order; false with the database's error().
bool findCurves(ArchiveDatabase& database, const ArchiveFilter& filter,
                const std::function<void(const ArchiveMatch&)>& each);

// Output forms. The CSV header row and rows (RFC 4180, CR LF); the JSON
// document; the text table with columns aligned.
QByteArray csvHeader();
QByteArray csvRow(const ArchiveMatch& match);
QByteArray jsonDocument(const std::vector<ArchiveMatch>& matches);
QByteArray textTable(const std::vector<ArchiveMatch>& matches);
// A number as the shortest text that reads back as the same number.
QString numberText(double value);

} // namespace plotwise::archive
