#pragma once

#include <QString>
#include <stdexcept>

/// A failure of the exchange that is not the database's: a file that cannot be read or written,
/// or an exchange the user stopped. Carries the text shown to the user.
class ChybaVymeny : public std::runtime_error {
public:
    explicit ChybaVymeny(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};

/// An exchange file the import refuses, with the place in it and the reason; nothing was
/// written.
class OdmietnutySubor : public ChybaVymeny {
public:
    using ChybaVymeny::ChybaVymeny;
};

/// The user stopped the exchange; nothing was written.
class ZrusenaVymena : public ChybaVymeny {
public:
    using ChybaVymeny::ChybaVymeny;
};
