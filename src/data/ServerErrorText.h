#pragma once

#include "DatabaseError.h"

#include <QString>

/// What a failure of the database server means, in words a breeder reads: one sentence of what
/// failed and why, chosen by the error's number (of the server or of its client library) and
/// filled with the names the server's text carries (a table, a column, an account, a right).
/// Every message that shows a server's error goes through here, so that the same failure reads
/// the same wherever it happens; the server's own text stays below the sentence for whoever
/// looks after the server.
class ServerErrorText {
public:
    /// The sentence for the error; a general one for a number without a sentence of its own.
    static QString sentence(int code, const QString& serverText);
    /// The sentence, and below it the server's text with the error's number. A failure without a
    /// number keeps its text as it is.
    static QString message(int code, const QString& serverText);
    /// The error to throw for what the server or its client library reported.
    static DatabaseError error(int code, const QString& serverText);
    /// The error of a server that did not answer within the time limit.
    static DatabaseError timedOut(int seconds, int code, const QString& serverText);
};
