#pragma once

#include "DemoHerdOptions.h"

#include <QString>
#include <functional>

/// A deterministic, believable demo enterprise: three herds with their barns, cows with their
/// lactations and monthly test days, culled cows with their history, heifers, sires and three
/// generations of pedigree. The same options always give the same statements.
class DemoHerd {
public:
    explicit DemoHerd(DemoHerdOptions options);

    /// Emits complete SQL statements (multi-row INSERTs of up to 1000 rows and the UPDATE of the
    /// parameter row), without a closing semicolon, in an order that satisfies the foreign keys
    /// of an installed, empty schema. Texts are escaped for the server's default sql_mode.
    void generate(const std::function<void(const QString& statement)>& sink) const;

    /// What a program's private database is filled with on its very first start: a demo
    /// enterprise of about a thousand cows for the breeder to try the program on.
    static void generateFirstStart(const std::function<void(const QString& statement)>& sink);

private:
    DemoHerdOptions m_options;
};
