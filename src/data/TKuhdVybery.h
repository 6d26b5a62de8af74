#pragma once

#include <memory>

class Connection;
class Query;

/// The selection object: one query of its own on a connection it does not own.
class TKuhdVybery {
public:
    explicit TKuhdVybery(Connection* connection);
    ~TKuhdVybery();

    Connection* connection() const { return m_connection; }
    Query* query() const { return m_query.get(); }

private:
    Connection* m_connection;
    std::unique_ptr<Query> m_query;
};
