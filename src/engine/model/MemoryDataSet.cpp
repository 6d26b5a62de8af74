#include "MemoryDataSet.h"

#include <QLocale>

MemoryDataSet::MemoryDataSet(QList<ReportField> fields, QList<QVariantList> rows, bool open)
    : m_fields(std::move(fields))
    , m_rows(std::move(rows))
    , m_open(open)
    , m_current(open && !m_rows.isEmpty() ? 0 : -1) {}

void MemoryDataSet::open() {
    m_open = true;
    m_current = m_rows.isEmpty() ? -1 : 0;
    ++m_openings;
}

void MemoryDataSet::close() {
    m_open = false;
    m_current = -1;
}

QVariant MemoryDataSet::value(int row, const QString& field) const {
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).name == field)
            return m_rows.at(row).value(i);
    return {};
}

QString MemoryDataSet::displayText(int row, const QString& field) const {
    const QVariant v = value(row, field);
    if (v.typeId() == QMetaType::QDate)
        return QLocale().toString(v.toDate(), QLocale::ShortFormat);
    for (const ReportField& f : m_fields)
        if (f.name == field && f.kind == ReportField::Kind::Float && !v.isNull())
            return QLocale().toString(v.toDouble(), 'f', 2);
    return v.toString();
}
