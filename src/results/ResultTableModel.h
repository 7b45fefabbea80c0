#pragma once
#include "ResultTable.h"

#include <QAbstractTableModel>

namespace plotwise {

// Table model over the result table. The heading row becomes the horizontal
// header; model row r is table row r + 1. A page row shows its label in
// column 0 only (bold, at the left), for a view that spans it across the row.
class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultTableModel(const ResultTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static int tableRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int tableRow) { return tableRow - 1; }

    // Rebuilds the views after the table was changed behind the model.
    void reload();
    // Repaints every cell (colours, alignment) without a reset.
    void repaint();

private:
    QVariant cellText(int row, int column) const;
    QVariant alignment(int column) const;

    const ResultTable& table_;
    int rows_ = 0;
};

} // namespace plotwise
