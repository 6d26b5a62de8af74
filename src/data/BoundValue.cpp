#include "BoundValue.h"

#include <QDate>
#include <QDateTime>
#include <cstring>

BoundValue::BoundValue(const QVariant& value) {
    std::memset(&m_time, 0, sizeof m_time);
    if (!value.isValid() || value.isNull())
        return;
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Long:
    case QMetaType::LongLong:
        m_integer = value.toLongLong();
        setBuffer(MYSQL_TYPE_LONGLONG, &m_integer, sizeof m_integer);
        return;
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        m_integer = qint64(value.toULongLong());
        m_unsigned = true;
        setBuffer(MYSQL_TYPE_LONGLONG, &m_integer, sizeof m_integer);
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        m_double = value.toDouble();
        setBuffer(MYSQL_TYPE_DOUBLE, &m_double, sizeof m_double);
        return;
    case QMetaType::QDate:
        setTime(MYSQL_TYPE_DATE, value.toDate(), QTime());
        return;
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        setTime(MYSQL_TYPE_DATETIME, moment.date(), moment.time());
        return;
    }
    case QMetaType::QTime:
        setTime(MYSQL_TYPE_TIME, QDate(), value.toTime());
        return;
    case QMetaType::QByteArray:
        m_bytes = value.toByteArray();
        if (!m_bytes.isNull())
            setBuffer(MYSQL_TYPE_BLOB, m_bytes.data(), m_bytes.size());
        return;
    default:
        break;
    }
    const QString text = value.toString();
    if (text.isNull())
        return;
    m_bytes = text.toUtf8();
    setBuffer(MYSQL_TYPE_STRING, m_bytes.data(), m_bytes.size());
}

MYSQL_BIND BoundValue::bind() const {
    MYSQL_BIND bind;
    std::memset(&bind, 0, sizeof bind);
    bind.buffer_type = m_type;
    bind.buffer = m_buffer;
    bind.buffer_length = m_length;
    bind.length = const_cast<unsigned long*>(&m_length);
    bind.is_unsigned = m_unsigned;
    return bind;
}

void BoundValue::setBuffer(enum_field_types type, void* buffer, qsizetype length) {
    m_type = type;
    m_buffer = buffer;
    m_length = (unsigned long)length;
}

void BoundValue::setTime(enum_field_types type, const QDate& date, const QTime& time) {
    if (type == MYSQL_TYPE_TIME ? !time.isValid() : !date.isValid())
        return;
    if (date.isValid()) {
        m_time.year = unsigned(date.year());
        m_time.month = unsigned(date.month());
        m_time.day = unsigned(date.day());
    }
    if (time.isValid()) {
        m_time.hour = unsigned(time.hour());
        m_time.minute = unsigned(time.minute());
        m_time.second = unsigned(time.second());
        m_time.second_part = (unsigned long)(time.msec()) * 1000;
    }
    m_time.time_type = type == MYSQL_TYPE_DATE   ? MYSQL_TIMESTAMP_DATE
                       : type == MYSQL_TYPE_TIME ? MYSQL_TIMESTAMP_TIME
                                                 : MYSQL_TIMESTAMP_DATETIME;
    setBuffer(type, &m_time, sizeof m_time);
}
