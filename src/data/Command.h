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

    /// Runs the text with its named parameters (":Nazov") bound by the driver. Throws
    /// DatabaseError with the server's text when the statement fails.
    void execute(const ParameterValues& parameters = {});
    /// Runs the text as a write of values the program makes itself, in the strict SQL mode
    /// (StrictWrites): a value that does not fit its column fails instead of being cut.
    void executeStrict(const ParameterValues& parameters = {});

private:
    Connection* m_connection;
    QString m_text;
};
