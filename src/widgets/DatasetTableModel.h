#pragma once

#include "GridColumn.h"
#include "data/Dataset.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QPointer>

/// The rows of a dataset as a table: one column per designed column, or, when none are
/// designed, one per field that is not hidden. Cells show the field's display text; numbers
/// stand right-aligned. The model resets whenever the dataset opens or closes.
class DatasetTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetTableModel(QObject* parent = nullptr);

    void setDataset(Dataset* dataset);
    Dataset* dataset() const { return m_dataset; }

    /// Fixes the columns as a form designs them; an empty list goes back to the dataset's
    /// visible fields.
    void setColumns(QList<GridColumn> columns);
    /// The width a form designed for a column, 0 when it left it to the grid.
    int designedWidth(int column) const;

    /// The name of the field a column shows; for designed columns also while the dataset is
    /// closed.
    QString fieldName(int column) const;
    /// The dataset's index of the field behind a column; -1 when the dataset is closed or has
    /// no such field.
    int fieldIndex(int column) const;

    /// Background of a column's cells (not of its title); an invalid colour leaves the view's.
    void setColumnColor(int column, const QColor& color);
    QColor columnColor(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void rebuild();

    QPointer<Dataset> m_dataset;
    QList<GridColumn> m_designed;
    QList<GridColumn> m_columns;
    QList<int> m_fieldIndexes;
    QList<QColor> m_colors;
};
