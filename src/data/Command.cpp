#include "Command.h"

#include "Connection.h"

#include <QSqlQuery>

Command::Command(Connection* connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection) {}

void Command::execute(const ParameterValues& parameters) {
    m_connection->execute(m_text, parameters);
}
