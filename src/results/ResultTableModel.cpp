#include "ResultTableModel.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace plotwise {

ResultTableModel::ResultTableModel(const ResultTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), rows_(table.rowCount() - 1) {}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ResultTable::kColumns;
}

// Cells hold the file's 8-bit text.
QVariant ResultTableModel::cellText(int row, int column) const {
    const std::string& text = table_.text(row, column);
    if (text.empty()) return {};
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant ResultTableModel::alignment(int column) const {
    const Qt::Alignment align = table_.columnAlignment(column) == ResultTable::kAlignLeft
                                    ? Qt::AlignLeft | Qt::AlignVCenter
                                    : Qt::AlignCenter;
    return QVariant::fromValue(align);
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.model() != this) return {};
    const int row = tableRow(index.row());
    if (row >= table_.rowCount()) return {};
    const bool pageRow = table_.isPageRow(row);
    switch (role) {
    case Qt::DisplayRole:
        if (pageRow && index.column() != 0) return {};
        return cellText(row, index.column());
    case Qt::TextAlignmentRole:
        // The page row spans all 40 columns: its label stands at the left,
        // where it is in view.
        return pageRow ? QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter))
                       : alignment(index.column());
    case Qt::FontRole:
        if (!pageRow) return {};
        {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
    case Qt::BackgroundRole:
        if (pageRow) return QGuiApplication::palette().button();
        switch (table_.shade(row)) {
        case ResultTable::Shade::Highlight: return QGuiApplication::palette().highlight();
        case ResultTable::Shade::Window: return QGuiApplication::palette().base();
        default: return {};
        }
    case Qt::ForegroundRole:
        if (table_.shade(row) == ResultTable::Shade::Highlight && !pageRow)
            return QGuiApplication::palette().highlightedText();
        return {};
    default:
        return {};
    }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole) return section + 1;
        return {};
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole || section < 0 || section >= ResultTable::kColumns) return {};
    return cellText(0, section);
}

void ResultTableModel::reload() {
    beginResetModel();
    rows_ = table_.rowCount() - 1;
    endResetModel();
}

void ResultTableModel::repaint() {
    if (rows_ != table_.rowCount() - 1) {
        reload();
        return;
    }
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, ResultTable::kColumns - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ResultTable::kColumns - 1);
}

} // namespace plotwise
