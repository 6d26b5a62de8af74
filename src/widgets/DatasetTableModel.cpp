#include "DatasetTableModel.h"

#include "data/Dataset.h"

DatasetTableModel::DatasetTableModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void DatasetTableModel::setDataset(Dataset* dataset) {
    if (m_dataset)
        disconnect(m_dataset, nullptr, this, nullptr);
    m_dataset = dataset;
    if (dataset) {
        connect(dataset, &Dataset::opened, this, &DatasetTableModel::rebuild);
        connect(dataset, &Dataset::closed, this, &DatasetTableModel::rebuild);
        connect(dataset, &QObject::destroyed, this, &DatasetTableModel::rebuild);
    }
    rebuild();
}

void DatasetTableModel::setColumns(QList<GridColumn> columns) {
    m_designed = std::move(columns);
    rebuild();
}

void DatasetTableModel::rebuild() {
    beginResetModel();
    const bool open = m_dataset && m_dataset->isOpen();
    m_columns = m_designed;
    if (m_columns.isEmpty() && open) {
        for (const FieldDef& field : m_dataset->fields())
            if (!field.hidden)
                m_columns.append(GridColumn{field.name});
    }
    m_fieldIndexes.clear();
    for (const GridColumn& column : std::as_const(m_columns))
        m_fieldIndexes.append(open ? m_dataset->fieldIndex(column.fieldName) : -1);
    endResetModel();
}

int DatasetTableModel::designedWidth(int column) const {
    return column >= 0 && column < m_columns.size() ? m_columns[column].width : 0;
}

QString DatasetTableModel::fieldName(int column) const {
    return column >= 0 && column < m_columns.size() ? m_columns[column].fieldName : QString();
}

int DatasetTableModel::fieldIndex(int column) const {
    return column >= 0 && column < m_fieldIndexes.size() ? m_fieldIndexes[column] : -1;
}

void DatasetTableModel::setColumnColor(int column, const QColor& color) {
    if (column < 0)
        return;
    if (column >= m_colors.size())
        m_colors.resize(column + 1);
    m_colors[column] = color;
    if (column < columnCount() && rowCount() > 0)
        Q_EMIT dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::BackgroundRole});
}

QColor DatasetTableModel::columnColor(int column) const {
    return column >= 0 && column < m_colors.size() ? m_colors[column] : QColor();
}

int DatasetTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_dataset || !m_dataset->isOpen())
        return 0;
    return m_dataset->recordCount();
}

int DatasetTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DatasetTableModel::data(const QModelIndex& index, int role) const {
    const int field = fieldIndex(index.column());
    if (!index.isValid() || field < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_dataset->displayText(index.row(), field);
    case Qt::TextAlignmentRole:
        return m_dataset->fields()[field].isNumeric() ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                      : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        const QColor color = columnColor(index.column());
        return color.isValid() ? QVariant(color) : QVariant();
    }
    default:
        return {};
    }
}

QVariant DatasetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_columns.size())
        return {};
    if (!m_columns[section].title.isEmpty())
        return m_columns[section].title;
    const int field = fieldIndex(section);
    return field >= 0 ? m_dataset->fields()[field].heading() : m_columns[section].fieldName;
}
