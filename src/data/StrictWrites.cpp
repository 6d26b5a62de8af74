#include "StrictWrites.h"

#include "Connection.h"
#include "DatabaseError.h"

StrictWrites::StrictWrites(Connection& connection)
    : m_connection(connection) {
    // A connection that opens later gets the mode from the count.
    if (++m_connection.m_strictWrites > 1 || !m_connection.isOpen())
        return;
    try {
        QSqlDatabase db = m_connection.database();
        m_connection.applySqlMode(db);
    } catch (const DatabaseError&) {
        --m_connection.m_strictWrites;
        throw;
    }
}

StrictWrites::~StrictWrites() {
    if (--m_connection.m_strictWrites > 0 || !m_connection.isOpen())
        return;
    try {
        QSqlDatabase db = m_connection.database();
        m_connection.applySqlMode(db);
    } catch (const DatabaseError&) {
        // A session that cannot take the setting has failed; the next one opens lenient.
        m_connection.close();
    }
}
