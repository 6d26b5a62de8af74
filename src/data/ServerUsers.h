#pragma once

#include <QString>

/// The processes that use a private server, counted by the file system: each holds a shared lock
/// on one file of the data folder while it uses the server, and the system drops the lock of a
/// process that ends, however it ends. Whoever wants to stop the server sees whether anyone else
/// holds one. The caller serialises calls with the data folder's own lock.
class ServerUsers {
public:
    explicit ServerUsers(QString fileName);
    ~ServerUsers();
    ServerUsers(const ServerUsers&) = delete;
    ServerUsers& operator=(const ServerUsers&) = delete;

    /// Counts this process as a user. Throws DatabaseError when the file cannot be locked.
    void join();
    /// Stops counting this process.
    void leave();
    /// Leaves and tells whether no other process uses the server; if none does, this process
    /// holds the file alone until leave(), so that nobody starts using the server meanwhile.
    bool leaveAndClaimAlone();

private:
    bool lock(int operation);

    QString m_fileName;
    int m_fd = -1;
};
