#include "DBGrid.h"

#include "DatasetTableModel.h"
#include "data/Dataset.h"
#include "data/DisplayFormat.h"

#include <QHeaderView>
#include <QScopedValueRollback>

namespace {

constexpr int cellPadding = 12;

} // namespace

DBGrid::DBGrid(QWidget* parent)
    : QTableView(parent)
    , m_model(new DatasetTableModel(this)) {
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSortIndicatorShown(false);

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { Q_EMIT titleClicked(column, fieldName(column)); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &DBGrid::moveDataset);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &DBGrid::rememberDraggedWidth);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::sizeColumns);
}

void DBGrid::setDataset(Dataset* dataset) {
    if (Dataset* previous = m_model->dataset())
        disconnect(previous, nullptr, this, nullptr);
    m_model->setDataset(dataset);
    if (dataset) {
        connect(dataset, &Dataset::currentRowChanged, this, &DBGrid::followDataset);
        followDataset(dataset->currentRow());
    }
}

Dataset* DBGrid::dataset() const {
    return m_model->dataset();
}

void DBGrid::setColumns(QList<GridColumn> columns) {
    m_model->setColumns(std::move(columns));
    if (Dataset* data = dataset())
        followDataset(data->currentRow());
}

QString DBGrid::fieldName(int column) const {
    return m_model->fieldName(column);
}

void DBGrid::setColumnColor(int column, const QColor& color) {
    m_model->setColumnColor(column, color);
}

QColor DBGrid::columnColor(int column) const {
    return m_model->columnColor(column);
}

void DBGrid::setKeepsSelectionUnfocused(bool keep) {
    QPalette colors = palette();
    const QPalette::ColorGroup source = keep ? QPalette::Active : QPalette::Inactive;
    const QPalette standard = QPalette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colors.setColor(QPalette::Inactive, role, standard.color(source, role));
    setPalette(colors);
}

void DBGrid::followDataset(int row) {
    if (m_following)
        return;
    const QScopedValueRollback guard(m_following, true);
    if (row < 0 || row >= m_model->rowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex target = m_model->index(row, std::max(currentIndex().column(), 0));
    if (!target.isValid())
        return;
    // A grid that selects cells marks the current cell only.
    const QItemSelectionModel::SelectionFlags rows = selectionBehavior() == SelectRows
                                                         ? QItemSelectionModel::Rows
                                                         : QItemSelectionModel::NoUpdate;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | rows);
    scrollTo(target);
}

void DBGrid::moveDataset(const QModelIndex& current) {
    Dataset* data = dataset();
    if (m_following || !data || !current.isValid())
        return;
    const QScopedValueRollback guard(m_following, true);
    data->setCurrentRow(current.row());
}

void DBGrid::sizeColumns() {
    const QScopedValueRollback guard(m_sizing, true);
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const auto dragged = m_draggedWidths.constFind(fieldName(column));
        setColumnWidth(column, dragged != m_draggedWidths.cend() ? *dragged : defaultWidth(column));
    }
}

void DBGrid::rememberDraggedWidth(int column, int, int width) {
    // A hidden column reports a width of 0, which is no width to come back to.
    if (!m_sizing && width > 0)
        m_draggedWidths.insert(fieldName(column), width);
}

int DBGrid::defaultWidth(int column) const {
    if (const int designed = m_model->designedWidth(column); designed > 0)
        return designed;
    const QFontMetrics metrics = fontMetrics();
    const int titleWidth =
        metrics.horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString());
    const int field = m_model->fieldIndex(column);
    const int characters = field >= 0 ? DisplayFormat::characters(dataset()->fields()[field]) : 0;
    return std::max(titleWidth, characters * metrics.horizontalAdvance(QLatin1Char('0'))) +
           cellPadding;
}
