#pragma once

#include "Connection.h"

#include <QObject>

/// One statement whose text its user replaces before each execution; any result is ignored.
class Command : public QObject {
    Q_OBJECT
public:
    explicit Command(Connection* connection, QObject* parent = nullptr);

    void setCommandText(const QString& text) { m_text = text; }
    const QString& commandText() const { return m_text; }

    /// Throws DatabaseError with the server's text when the statement fails. The values of the
    /// text's named parameters (":Od") are bound by the driver.
    void execute(const ParameterValues& parameters = {});

private:
    Connection* m_connection;
    QString m_text;
};
