#include "CurveListModel.h"

#include "FileNameText.h"

#include <QColor>

namespace plotwise {

namespace {

QColor colorFromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace

CurveListModel::CurveListModel(CurveList& list, QObject* parent)
    : QAbstractItemModel(parent), list_(list) {
    rebuildShape();
}

bool CurveListModel::validEntry(int entry) const {
    return entry >= 0 && entry < static_cast<int>(parents_.size()) && entry < list_.count();
}

const std::vector<int>& CurveListModel::siblingsOf(int parentEntry) const {
    return parentEntry < 0 ? roots_ : children_[parentEntry];
}

QModelIndex CurveListModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    const int parentEntry = parent.isValid() ? entryOf(parent) : -1;
    if (parent.isValid() && parentEntry < 0) return {};
    const std::vector<int>& siblings = siblingsOf(parentEntry);
    if (row >= static_cast<int>(siblings.size())) return {};
    return createIndex(row, 0, static_cast<quintptr>(siblings[row]));
}

QModelIndex CurveListModel::parent(const QModelIndex& child) const {
    const int entry = entryOf(child);
    if (entry < 0) return {};
    const int parentEntry = parents_[entry];
    if (parentEntry < 0) return {};
    return createIndex(rowInParent_[parentEntry], 0, static_cast<quintptr>(parentEntry));
}

int CurveListModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return static_cast<int>(roots_.size());
    const int entry = entryOf(parent);
    return entry < 0 ? 0 : static_cast<int>(children_[entry].size());
}

int CurveListModel::columnCount(const QModelIndex&) const {
    return 1;
}

int CurveListModel::entryOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) return -1;
    const int entry = static_cast<int>(index.internalId());
    return validEntry(entry) ? entry : -1;
}

QModelIndex CurveListModel::indexOfEntry(int entry) const {
    if (!validEntry(entry)) return {};
    return createIndex(rowInParent_[entry], 0, static_cast<quintptr>(entry));
}

QVariant CurveListModel::data(const QModelIndex& index, int role) const {
    const int entry = entryOf(index);
    if (entry < 0) return {};
    const CurveListEntry& e = list_.entry(entry);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        // Root entries begin with their file's name; spindle entries hold values.
        if (e.parent < 0) return nameFirstText(e.text);
        return QString::fromLatin1(e.text.data(), static_cast<qsizetype>(e.text.size()));
    case Qt::CheckStateRole:
        if (!list_.checkBoxes) return {};
        return e.checked ? Qt::Checked : Qt::Unchecked;
    case Qt::ForegroundRole:
        if (!e.textColor) return {};
        return colorFromBgr(*e.textColor);
    default:
        return {};
    }
}

bool CurveListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int entry = entryOf(index);
    if (entry < 0 || role != Qt::CheckStateRole || !list_.checkBoxes) return false;
    const bool checked = value.toInt() == Qt::Checked;
    if (list_.entry(entry).checked == checked) return true;
    list_.entry(entry).checked = checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit entryCheckChanged(entry);
    return true;
}

Qt::ItemFlags CurveListModel::flags(const QModelIndex& index) const {
    if (entryOf(index) < 0) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (list_.checkBoxes) f |= Qt::ItemIsUserCheckable;
    return f;
}

int CurveListModel::listParent(int entry) const {
    // A parent must come before its children; anything else is shown as a root.
    const int p = list_.entry(entry).parent;
    return p >= 0 && p < entry ? p : -1;
}

bool CurveListModel::shapeChanged() const {
    if (static_cast<int>(parents_.size()) != list_.count()) return true;
    for (int i = 0; i < list_.count(); ++i) {
        if (parents_[i] != listParent(i)) return true;
    }
    return false;
}

void CurveListModel::rebuildShape() {
    const int n = list_.count();
    parents_.assign(n, -1);
    roots_.clear();
    children_.assign(n, {});
    rowInParent_.assign(n, 0);
    for (int i = 0; i < n; ++i) {
        const int p = listParent(i);
        parents_[i] = p;
        std::vector<int>& siblings = p >= 0 ? children_[p] : roots_;
        rowInParent_[i] = static_cast<int>(siblings.size());
        siblings.push_back(i);
    }
}

void CurveListModel::emitAllChanged(const QModelIndex& parent) {
    const int rows = rowCount(parent);
    if (rows == 0) return;
    emit dataChanged(index(0, 0, parent), index(rows - 1, 0, parent));
    for (int r = 0; r < rows; ++r) {
        const QModelIndex child = index(r, 0, parent);
        if (rowCount(child) > 0) emitAllChanged(child);
    }
}

void CurveListModel::reload() {
    beginResetModel();
    rebuildShape();
    endResetModel();
}

void CurveListModel::sync() {
    if (shapeChanged()) {
        reload();
        return;
    }
    emitAllChanged({});
}

} // namespace plotwise
