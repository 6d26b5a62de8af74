#pragma once

#include <QHash>
#include <QString>

class ReportDefinition;

/// The title a report prints: the text its first page's page header prints largest, with the
/// report's parameters filled in (a placeholder of data, of the page or of the date counts as
/// empty); the report's name where it prints none. Its files carry it as their title and
/// their default name.
class ReportTitle {
public:
    static QString of(const ReportDefinition& report, const QHash<QString, QString>& parameters);
};
