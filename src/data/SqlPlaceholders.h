#pragma once

#include <QStringList>

/// The named placeholders (":Chov") of an SQL text, as the driver binds them.
class SqlPlaceholders {
public:
    /// The names in order of first appearance, without colons; a colon inside a quoted string or
    /// name, or doubled ("::"), starts none.
    static QStringList of(const QString& sql);
};
