#include "Dataset.h"

#include "DatabaseError.h"
#include "DisplayFormat.h"

#include <QDate>
#include <QDateTime>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::Literals::StringLiterals;

namespace {

FieldKind kindOfResultColumn(const QSqlField& column) {
    switch (column.metaType().id()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::SChar:
        return FieldKind::SmallInt;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return column.isAutoValue() ? FieldKind::AutoIncrement : FieldKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return FieldKind::Float;
    case QMetaType::QDate:
        return FieldKind::Date;
    case QMetaType::QDateTime:
        return FieldKind::DateTime;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return FieldKind::Text;
    default:
        return FieldKind::Other;
    }
}

bool isDateKind(FieldKind kind) {
    return kind == FieldKind::Date || kind == FieldKind::DateTime;
}

/// A declared field accepts any result column of its family; text accepts everything, since
/// the server may return a computed column as text.
bool fits(const FieldDef& declared, FieldKind result) {
    if (declared.isText() || result == FieldKind::Other || result == FieldKind::Text)
        return true;
    if (declared.isNumeric())
        return !isDateKind(result);
    if (isDateKind(declared.kind))
        return isDateKind(result);
    return true;
}

QVariant converted(const QVariant& raw, FieldKind kind) {
    if (raw.isNull())
        return {};
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::SmallInt:
    case FieldKind::AutoIncrement:
        return raw.toInt();
    case FieldKind::Decimal:
    case FieldKind::Float:
        return raw.toDouble();
    case FieldKind::Date:
        return raw.toDate();
    case FieldKind::DateTime:
        return raw.toDateTime();
    case FieldKind::Text:
    case FieldKind::FixedText:
        return raw.toString();
    case FieldKind::Other:
        break;
    }
    return raw;
}

QString kindName(FieldKind kind) {
    if (isDateKind(kind))
        return u"dátum"_s;
    return kind == FieldKind::Text || kind == FieldKind::FixedText ? u"text"_s : u"číslo"_s;
}

} // namespace

Dataset::Dataset(Connection* connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection) {}

void Dataset::setDeclaredFields(QList<FieldDef> fields) {
    m_declared = std::move(fields);
}

void Dataset::open() {
    if (m_open)
        return;
    readResult();
    m_open = true;
    m_current = m_rows.empty() ? -1 : 0;
    m_eof = m_rows.empty();
    Q_EMIT opened();
    Q_EMIT currentRowChanged(m_current);
}

void Dataset::close() {
    if (!m_open)
        return;
    m_open = false;
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_fields.clear();
    m_current = -1;
    m_eof = true;
    Q_EMIT closed();
}

void Dataset::reopen() {
    close();
    open();
}

void Dataset::readResult() {
    QSqlQuery query = m_connection->execute(selectText(), boundParameters());
    const QSqlRecord record = query.record();

    QList<FieldDef> fields;
    std::vector<int> sourceColumn;
    if (m_declared.isEmpty()) {
        for (int i = 0; i < record.count(); ++i) {
            const QSqlField column = record.field(i);
            fields.append(
                FieldDef::make(column.name(), kindOfResultColumn(column), int(column.length())));
            sourceColumn.push_back(i);
        }
    } else {
        for (const FieldDef& declared : std::as_const(m_declared)) {
            int column = -1;
            for (int i = 0; i < record.count() && column < 0; ++i)
                if (record.fieldName(i).compare(declared.name, Qt::CaseInsensitive) == 0)
                    column = i;
            if (column < 0)
                throw DatabaseError(tr("%1: pole '%2' sa vo výsledku dotazu nenachádza.")
                                        .arg(objectName(), declared.name));
            const FieldKind resultKind = kindOfResultColumn(record.field(column));
            if (!fits(declared, resultKind))
                throw DatabaseError(tr("%1: pole '%2' má typ %3, očakáva sa %4.")
                                        .arg(objectName(), declared.name, kindName(resultKind),
                                             kindName(declared.kind)));
            sourceColumn.push_back(column);
        }
        fields = m_declared;
    }

    std::vector<QVariantList> rows;
    const int columnCount = int(fields.size());
    while (query.next()) {
        QVariantList row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c)
            row.append(converted(query.value(sourceColumn[c]), fields[c].kind));
        rows.push_back(std::move(row));
    }
    m_fields = std::move(fields);
    m_rows = std::move(rows);
}

int Dataset::fieldIndex(const QString& name) const {
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Dataset::requireField(const QString& name) const {
    const int index = fieldIndex(name);
    if (index < 0)
        throw DatabaseError(tr("%1: pole '%2' neexistuje.").arg(objectName(), name));
    return index;
}

void Dataset::setCurrentRow(int row) {
    if (m_rows.empty())
        return moveTo(-1, true);
    moveTo(std::clamp(row, 0, recordCount() - 1), false);
}

void Dataset::next() {
    if (m_current + 1 >= recordCount())
        return moveTo(m_current, true);
    moveTo(m_current + 1, false);
}

void Dataset::prior() {
    if (m_current > 0)
        moveTo(m_current - 1, false);
}

void Dataset::moveTo(int row, bool eof) {
    m_eof = eof;
    if (row == m_current)
        return;
    m_current = row;
    Q_EMIT currentRowChanged(row);
}

QVariant Dataset::value(int row, int column) const {
    if (row < 0 || row >= recordCount() || column < 0 || column >= fieldCount())
        return {};
    return m_rows[size_t(row)][column];
}

QString Dataset::displayText(int row, int column) const {
    if (column < 0 || column >= fieldCount())
        return {};
    return DisplayFormat::text(value(row, column), m_fields[column]);
}

QVariant Dataset::value(const QString& fieldName) const {
    return value(m_current, requireField(fieldName));
}

QString Dataset::text(const QString& fieldName) const {
    const QVariant v = value(fieldName);
    return v.isNull() ? QString() : v.toString();
}
