#include "DataViewDefinition.h"

DataViewDefinition::DataViewDefinition(const QString& name, const QString& connection)
    : m_name(name)
    , m_connection(connection) {}
