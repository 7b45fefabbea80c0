#include "ArchiveSearch.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <charconv>
#include <cmath>

namespace plotwise::archive {
namespace {

const QStringList kColumns = {"path", "datetime", "id", "program", "spindle", "peak_y", "peak_x"};

QString csvField(const QString& text) {
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
        return text;
    QString quoted = text;
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}

template <typename T>
QString optionalText(const std::optional<T>& value) {
    if (!value) return {};
    if constexpr (std::is_same_v<T, double>) return numberText(*value);
    else return QString::number(*value);
}

QStringList cells(const ArchiveMatch& m) {
    return {m.path, m.dateTime, m.id, optionalText(m.program), optionalText(m.spindle),
            optionalText(m.peakY), optionalText(m.peakX)};
}

std::optional<double> number(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace

QString numberText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

std::optional<QString> parseFilterTime(const QString& text) {
    const QDateTime time = QDateTime::fromString(text, "yyyy-MM-ddTHH:mm:ss");
    if (!time.isValid()) return std::nullopt;
    return time.toString("yyyy-MM-ddTHH:mm:ss");
}

std::optional<std::pair<std::optional<double>, std::optional<double>>> parseRange(const QString& text,
                                                                                   QString* error) {
    const auto parts = text.split(':');
    if (parts.size() != 2) {
        *error = QString("not a MIN:MAX range: %1").arg(text);
        return std::nullopt;
    }
    std::pair<std::optional<double>, std::optional<double>> range;
    for (int i = 0; i < 2; ++i) {
        if (parts[i].trimmed().isEmpty()) continue;
        const auto value = number(parts[i]);
        if (!value) {
            *error = QString("not a number: %1").arg(parts[i]);
            return std::nullopt;
        }
        (i == 0 ? range.first : range.second) = value;
    }
    if (range.first && range.second && *range.first > *range.second) {
        *error = QString("MIN above MAX in %1").arg(text);
        return std::nullopt;
    }
    return range;
}

bool findCurves(ArchiveDatabase& database, const ArchiveFilter& filter,
                const std::function<void(const ArchiveMatch&)>& each) {
    QStringList where;
    QVariantList values;
    auto add = [&](const char* condition, const QVariant& value) {
        where << condition;
        values << value;
    };
    if (filter.id) add("id = ?", *filter.id);
    if (filter.from) add("datetime >= ?", *filter.from);
    if (filter.to) add("datetime <= ?", *filter.to);
    if (filter.program) add("program = ?", *filter.program);
    if (filter.spindle) add("spindle = ?", *filter.spindle);
    if (filter.peakYMin) add("peak_y >= ?", *filter.peakYMin);
    if (filter.peakYMax) add("peak_y <= ?", *filter.peakYMax);
    if (filter.peakXMin) add("peak_x >= ?", *filter.peakXMin);
    if (filter.peakXMax) add("peak_x <= ?", *filter.peakXMax);
    QString sql = "SELECT path, datetime, id, program, spindle, peak_y, peak_x FROM archive_curves";
    if (!where.isEmpty()) sql += " WHERE " + where.join(" AND ");
    sql += " ORDER BY datetime, path, spindle";
    if (filter.limit) {
        sql += " LIMIT ?";
        values << *filter.limit;
    }
    QSqlQuery query(database.db());
    query.setForwardOnly(true);
    if (!query.prepare(sql)) return database.fail("cannot search the index", query.lastError().text());
    for (int i = 0; i < values.size(); ++i) query.bindValue(i, values[i]);
    if (!query.exec()) return database.fail("cannot search the index", query.lastError().text());
    while (query.next()) {
        ArchiveMatch match;
        match.path = query.value(0).toString();
        match.dateTime = query.value(1).toString();
        match.id = query.value(2).toString();
        if (!query.isNull(3)) match.program = query.value(3).toInt();
        if (!query.isNull(4)) match.spindle = query.value(4).toInt();
        if (!query.isNull(5)) match.peakY = query.value(5).toDouble();
        if (!query.isNull(6)) match.peakX = query.value(6).toDouble();
        each(match);
    }
    if (query.lastError().isValid()) return database.fail("cannot search the index", query.lastError().text());
    return true;
}

QByteArray csvHeader() { return kColumns.join(',').toUtf8() + "\r\n"; }

QByteArray csvRow(const ArchiveMatch& match) {
    QStringList fields;
    for (const QString& cell : cells(match)) fields << csvField(cell);
    return fields.join(',').toUtf8() + "\r\n";
}

QByteArray jsonDocument(const std::vector<ArchiveMatch>& matches) {
    QJsonArray array;
    for (const auto& m : matches) {
        auto optional = [](const auto& value) { return value ? QJsonValue(*value) : QJsonValue(); };
        array.append(QJsonObject{{"path", m.path},
                                 {"datetime", m.dateTime.isEmpty() ? QJsonValue() : QJsonValue(m.dateTime)},
                                 {"id", m.id.isEmpty() ? QJsonValue() : QJsonValue(m.id)},
                                 {"program", optional(m.program)},
                                 {"spindle", optional(m.spindle)},
                                 {"peak_y", optional(m.peakY)},
                                 {"peak_x", optional(m.peakX)}});
    }
    return QJsonDocument(QJsonObject{{"matches", array}}).toJson(QJsonDocument::Indented);
}

QByteArray textTable(const std::vector<ArchiveMatch>& matches) {
    std::vector<QStringList> rows{kColumns};
    for (const auto& m : matches) rows.push_back(cells(m));
    std::vector<qsizetype> widths(kColumns.size(), 0);
    for (const auto& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    QByteArray out;
    for (const auto& row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c) {
            // Numbers are right-aligned, texts left-aligned.
            const bool numeric = c >= 3;
            line += numeric ? row[c].rightJustified(widths[c]) : row[c].leftJustified(widths[c]);
            if (c + 1 < row.size()) line += "  ";
        }
        while (line.endsWith(' ')) line.chop(1);
        out += line.toUtf8() + '\n';
    }
    return out;
}

} // namespace plotwise::archive
