#pragma once

#include <QByteArray>
#include <QVariant>
#include <mysql.h>

class QDate;
class QTime;

/// One parameter's value as the client library sends it to the server, which binds it; the Qt
/// driver's rules decide what counts as NULL (an invalid QVariant, a null text or an invalid
/// date). Used only where the client library's header may be seen.
class BoundValue {
public:
    explicit BoundValue(const QVariant& value);
    BoundValue(const BoundValue&) = delete;
    BoundValue& operator=(const BoundValue&) = delete;

    /// The bind pointing at this value, which must stay where it is until the statement ran.
    MYSQL_BIND bind() const;

private:
    void setBuffer(enum_field_types type, void* buffer, qsizetype length);
    void setTime(enum_field_types type, const QDate& date, const QTime& time);

    enum_field_types m_type = MYSQL_TYPE_NULL;
    void* m_buffer = nullptr;
    unsigned long m_length = 0;
    my_bool m_unsigned = false;
    qint64 m_integer = 0;
    double m_double = 0;
    MYSQL_TIME m_time;
    QByteArray m_bytes;
};
