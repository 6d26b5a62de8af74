#include "Command.h"

#include "StrictWrites.h"

#include <QSqlQuery>

Command::Command(Connection* connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection) {}

void Command::execute(const ParameterValues& parameters) {
    m_connection->execute(m_text, parameters);
}

void Command::executeStrict(const ParameterValues& parameters) {
    const StrictWrites strict(*m_connection);
    execute(parameters);
}
