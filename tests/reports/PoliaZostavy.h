#pragma once

#include <QMap>
#include <QSet>
#include <QString>

class ProjectDefinition;
class ReportDefinition;

/// What a report's layout reads from the program: for each data-set connection it reads, the
/// fields of that data set it prints, totals or groups on. A connection read only for its rows
/// maps to an empty set.
class PoliaZostavy {
public:
    static QMap<QString, QSet<QString>> citane(const ProjectDefinition& project,
                                               const ReportDefinition& report);
};
