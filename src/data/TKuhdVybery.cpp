#include "TKuhdVybery.h"

#include "Query.h"

TKuhdVybery::TKuhdVybery(Connection* connection)
    : m_connection(connection)
    , m_query(std::make_unique<Query>(connection)) {
    m_query->setSql({});
}

TKuhdVybery::~TKuhdVybery() = default;
