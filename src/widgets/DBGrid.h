#pragma once

#include "GridColumn.h"

#include <QHash>
#include <QTableView>

class Dataset;
class DatasetTableModel;

/// A read-only grid over a dataset. It selects whole rows and follows the dataset's current
/// row both ways: moving in the grid moves the dataset, and a dataset moved by code moves the
/// grid. A click on a column title is reported, not acted on, so that the owner decides how to
/// sort.
class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget* parent = nullptr);

    void setDataset(Dataset* dataset);
    Dataset* dataset() const;
    /// Fixes the columns as a form designs them (see DatasetTableModel::setColumns).
    void setColumns(QList<GridColumn> columns);
    DatasetTableModel* datasetModel() const { return m_model; }

    /// The field name behind a column, empty when there is none.
    QString fieldName(int column) const;
    void setColumnColor(int column, const QColor& color);
    QColor columnColor(int column) const;

    /// Keeps the selected row highlighted as strongly while the grid has no focus.
    void setKeepsSelectionUnfocused(bool keep);

Q_SIGNALS:
    /// A column title was clicked; fieldName is empty for a column without a field.
    void titleClicked(int column, const QString& fieldName);

private:
    void followDataset(int row);
    void moveDataset(const QModelIndex& current);
    /// Gives every column the width the user dragged it to, or else one that fits its field.
    void sizeColumns();
    void rememberDraggedWidth(int column, int oldWidth, int width);
    int defaultWidth(int column) const;

    DatasetTableModel* m_model;
    QHash<QString, int> m_draggedWidths;
    bool m_following = false;
    bool m_sizing = false;
};
