#include "Dataset.h"

#include "DatabaseError.h"
#include "DisplayFormat.h"
#include "ResultColumn.h"
#include "ResultReader.h"

using namespace Qt::Literals::StringLiterals;

namespace {

bool isDateKind(FieldKind kind) {
    return kind == FieldKind::Date || kind == FieldKind::DateTime;
}

bool isTemporal(FieldKind kind) {
    return isDateKind(kind) || kind == FieldKind::Time;
}

/// A declared field accepts any result column of its family; text accepts everything, since
/// the server may return a computed column as text.
bool fits(const FieldDef& declared, FieldKind result) {
    if (declared.isText() || result == FieldKind::Other || result == FieldKind::Text)
        return true;
    if (declared.isNumeric())
        return !isTemporal(result);
    if (isDateKind(declared.kind))
        return isDateKind(result);
    if (declared.kind == FieldKind::Time)
        return result == FieldKind::Time;
    return true;
}

QString kindName(FieldKind kind) {
    if (isDateKind(kind))
        return u"dátum"_s;
    if (kind == FieldKind::Time)
        return u"čas"_s;
    return kind == FieldKind::Text || kind == FieldKind::FixedText ? u"text"_s : u"číslo"_s;
}

} // namespace

Dataset::Dataset(Connection* connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection) {}

Dataset::~Dataset() = default;

void Dataset::setDeclaredFields(QList<FieldDef> fields) {
    m_declared = std::move(fields);
}

void Dataset::open() {
    if (m_open)
        return;
    readResult();
    m_open = true;
    m_current = m_rowCount == 0 ? -1 : 0;
    m_eof = m_rowCount == 0;
    Q_EMIT opened();
    Q_EMIT currentRowChanged(m_current);
}

void Dataset::close() {
    if (!m_open)
        return;
    m_open = false;
    m_columns.clear();
    m_columnOfField.clear();
    m_rowCount = 0;
    m_fields.clear();
    m_current = -1;
    m_eof = true;
    Q_EMIT closed();
}

void Dataset::reopen() {
    close();
    open();
}

void Dataset::setResultFieldFormats(std::function<QString(const FieldDef& field)> formatOf) {
    m_formatOf = std::move(formatOf);
}

void Dataset::setRowLimit(std::size_t limit, RowLimit beyond) {
    m_rowLimit = limit;
    m_beyondLimit = std::move(beyond);
}

void Dataset::readResult() {
    const QString sql = selectText();
    m_connection->send(sql, [&] { readResult(sql); });
}

void Dataset::readResult(const QString& sql) {
    ResultReader reader(*m_connection, sql, boundParameters());
    const QList<FieldDef>& result = reader.fields();

    QList<FieldDef> fields;
    std::vector<int> sourceColumn;
    if (m_declared.isEmpty()) {
        fields = result;
        for (int i = 0; i < result.size(); ++i) {
            sourceColumn.push_back(i);
            if (m_formatOf && fields[i].displayFormat.isEmpty())
                fields[i].displayFormat = m_formatOf(fields[i]);
        }
    } else {
        for (const FieldDef& declared : std::as_const(m_declared)) {
            int column = -1;
            for (int i = 0; i < result.size() && column < 0; ++i)
                if (result[i].name.compare(declared.name, Qt::CaseInsensitive) == 0)
                    column = i;
            if (column < 0)
                throw DatabaseError(tr("%1: pole '%2' sa vo výsledku dotazu nenachádza.")
                                        .arg(objectName(), declared.name));
            const FieldKind resultKind = result[column].kind;
            if (!fits(declared, resultKind))
                throw DatabaseError(tr("%1: pole '%2' má typ %3, očakáva sa %4.")
                                        .arg(objectName(), declared.name, kindName(resultKind),
                                             kindName(declared.kind)));
            sourceColumn.push_back(column);
        }
        fields = m_declared;
    }

    // A result column declared twice is read once, as the first of its fields declares it.
    std::vector<std::unique_ptr<ResultColumn>> columns;
    std::vector<std::size_t> columnOfField;
    std::vector<ResultColumn*> targets(std::size_t(result.size()), nullptr);
    std::vector<std::size_t> columnOfSource(std::size_t(result.size()));
    for (int c = 0; c < fields.size(); ++c) {
        const auto source = std::size_t(sourceColumn[std::size_t(c)]);
        if (!targets[source]) {
            columnOfSource[source] = columns.size();
            columns.push_back(
                ResultColumn::create(fields[c].kind, reader.isUnsigned64(int(source))));
            targets[source] = columns.back().get();
        }
        columnOfField.push_back(columnOfSource[source]);
    }
    std::function<void()> beyond;
    if (m_beyondLimit)
        beyond = [this] {
            m_beyondLimit(m_rowLimit);
        };
    const std::size_t rows = reader.readInto(targets, m_rowLimit, beyond);
    m_fields = std::move(fields);
    m_columns = std::move(columns);
    m_columnOfField = std::move(columnOfField);
    m_rowCount = int(rows);
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
    if (m_rowCount == 0)
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
    return m_columns[m_columnOfField[std::size_t(column)]]->value(std::size_t(row));
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
