#include "DatasetReportDataSet.h"

#include "data/Dataset.h"

namespace {

ReportField::Kind reportKind(FieldKind kind) {
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::SmallInt:
    case FieldKind::AutoIncrement:
    case FieldKind::LargeInt:
        return ReportField::Kind::Integer;
    case FieldKind::Decimal:
    case FieldKind::Float:
        return ReportField::Kind::Float;
    case FieldKind::Date:
        return ReportField::Kind::Date;
    case FieldKind::DateTime:
        return ReportField::Kind::DateTime;
    case FieldKind::Text:
    case FieldKind::FixedText:
    case FieldKind::Time:
    case FieldKind::Other:
        break;
    }
    return ReportField::Kind::Text;
}

} // namespace

DatasetReportDataSet::DatasetReportDataSet(Dataset& dataset)
    : m_dataset(dataset)
    , m_reopened(QObject::connect(&dataset, &Dataset::opened, [this] { m_columns.clear(); })) {}

DatasetReportDataSet::~DatasetReportDataSet() {
    QObject::disconnect(m_reopened);
}

int DatasetReportDataSet::column(const QString& field) const {
    auto found = m_columns.constFind(field);
    if (found == m_columns.cend())
        found = m_columns.insert(field, m_dataset.fieldIndex(field));
    return *found;
}

bool DatasetReportDataSet::isOpen() const {
    return m_dataset.isOpen();
}

void DatasetReportDataSet::open() {
    m_dataset.open();
}

void DatasetReportDataSet::close() {
    m_dataset.close();
}

QList<ReportField> DatasetReportDataSet::fields() const {
    QList<ReportField> fields;
    for (const FieldDef& field : m_dataset.fields())
        fields.append(ReportField{field.name, reportKind(field.kind)});
    return fields;
}

int DatasetReportDataSet::rowCount() const {
    return m_dataset.recordCount();
}

QVariant DatasetReportDataSet::value(int row, const QString& field) const {
    const int index = column(field);
    return index < 0 ? QVariant() : m_dataset.value(row, index);
}

QString DatasetReportDataSet::displayText(int row, const QString& field) const {
    const int index = column(field);
    return index < 0 ? QString() : m_dataset.displayText(row, index);
}

int DatasetReportDataSet::currentRow() const {
    return m_dataset.currentRow();
}

void DatasetReportDataSet::setCurrentRow(int row) {
    m_dataset.setCurrentRow(row);
}
