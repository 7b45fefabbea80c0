#include "LoadedCurveTableModel.h"

#include "FileNameText.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace plotwise {

LoadedCurveTableModel::LoadedCurveTableModel(const LoadedCurveTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), rows_(table.rowCount() - 1) {}

int LoadedCurveTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int LoadedCurveTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : LoadedCurveTable::kColumns;
}

QVariant LoadedCurveTableModel::cellText(int row, int column) const {
    if (row >= table_.rowCount() || column >= table_.usedColumns(row)) return {};
    const std::string& text = table_.text(row, column);
    if (text.empty()) return {};
    if (row >= 1 && column == 0) return fileNameText(text);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant LoadedCurveTableModel::cellColor(int row, int column) const {
    if (row >= table_.rowCount()) return {};
    const auto bgr = table_.textColor(row, column);
    if (!bgr) return {};
    return QColor(static_cast<int>(*bgr & 0xFF), static_cast<int>((*bgr >> 8) & 0xFF),
                  static_cast<int>((*bgr >> 16) & 0xFF));
}

QVariant LoadedCurveTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.model() != this) return {};
    const int row = tableRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, index.column());
    case Qt::ForegroundRole:
        return cellColor(row, index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole:
        // Column 0 is a fixed column and looks like a heading.
        if (index.column() != 0) return {};
        return QGuiApplication::palette().button();
    default:
        return {};
    }
}

QVariant LoadedCurveTableModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= LoadedCurveTable::kColumns) return {};
    return cellText(0, section);
}

void LoadedCurveTableModel::reload() {
    beginResetModel();
    rows_ = table_.rowCount() - 1;
    endResetModel();
}

} // namespace plotwise
