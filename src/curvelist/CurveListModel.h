#pragma once
#include "CurveList.h"

#include <QAbstractItemModel>

#include <QString>

#include <map>
#include <vector>

namespace plotwise {

// Tree model over the flat curve list. Item ids are entry indexes; the tree
// shape is cached and rebuilt by sync() when the list's shape has changed.
class CurveListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit CurveListModel(CurveList& list, QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Entry index of a model index, -1 for none; and back.
    int entryOf(const QModelIndex& index) const;
    QModelIndex indexOfEntry(int entry) const;

    // Brings the views up to date after the list was changed behind the model:
    // a reset when entries were added or removed, else a repaint of every entry.
    void sync();
    // Rebuilds the views from scratch (after the list was refilled).
    void reload();
    // Entries marked with a pale red background; the text explains the mark
    // in the entry's tooltip. Marks go with a reload.
    void setMarks(std::map<int, QString> marks);

signals:
    // The user ticked or unticked an entry through a view.
    void entryCheckChanged(int entry);

private:
    bool validEntry(int entry) const;
    int listParent(int entry) const;
    bool shapeChanged() const;
    void rebuildShape();
    const std::vector<int>& siblingsOf(int parentEntry) const;
    void emitAllChanged(const QModelIndex& parent);

    CurveList& list_;
    std::vector<int> parents_;               // shape snapshot: parent of each entry
    std::vector<int> roots_;                 // root entries in list order
    std::vector<std::vector<int>> children_; // children of each entry
    std::vector<int> rowInParent_;
    std::map<int, QString> marks_;
};

} // namespace plotwise
