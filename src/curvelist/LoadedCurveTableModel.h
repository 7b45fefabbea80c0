#pragma once
#include "curvefiles/LoadedCurveTable.h"

#include <QAbstractTableModel>

namespace plotwise {

// Table model over the loaded-curve table. The table's heading row becomes the
// horizontal header; model row r is table row r + 1. Cells are read on demand,
// so the 4005 columns cost nothing until they are scrolled into view.
class LoadedCurveTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LoadedCurveTableModel(const LoadedCurveTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Table row shown at a model row, and back.
    static int tableRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int tableRow) { return tableRow - 1; }

    // Rebuilds the views after the table was changed behind the model.
    void reload();

private:
    QVariant cellText(int row, int column) const;
    QVariant cellColor(int row, int column) const;

    const LoadedCurveTable& table_;
    int rows_ = 0; // curve rows as last told to the views
};

} // namespace plotwise
