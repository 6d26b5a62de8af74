#pragma once

#include "LayoutContext.h"

#include <QHash>
#include <QString>
#include <functional>
#include <memory>

class ProjectDefinition;
class ReportConnections;
class ReportDefinition;
class ReportSystem;

/// A report project file as the program uses it: open, set named text parameters, execute a
/// report by name with the project's report system, close. Opening an open project does
/// nothing; closing unloads it, so the next open reads the file again. Parameters live with
/// the project object and survive closing.
class ReportProject {
public:
    ReportProject(ReportSystem& system, const ReportConnections& connections,
                  const QString& fileName = {});
    ~ReportProject();

    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    ReportSystem& system() const { return m_system; }
    const ReportConnections& connections() const { return m_connections; }

    /// Throws ReportError naming the file when it is missing or malformed.
    void open();
    bool isOpen() const { return m_definition != nullptr; }
    void close();
    /// The loaded project; null while closed.
    ProjectDefinition* definition() const { return m_definition.get(); }

    void setParameter(const QString& name, const QString& value);
    QString parameter(const QString& name) const { return m_parameters.value(name); }

    /// Opens the project when needed and runs the report: nothing when the project has no
    /// report of that name or the user cancels the setup dialog. pagesLaidOut, when given, is
    /// called once every page is laid out and no data set is read any more, before the pages
    /// go to their destination (which may be a preview that waits for the user).
    void executeReport(const QString& name, const std::function<void()>& pagesLaidOut = {});

private:
    DataViewSets dataSetsOf(const ReportDefinition& report) const;

    ReportSystem& m_system;
    const ReportConnections& m_connections;
    QString m_fileName;
    std::unique_ptr<ProjectDefinition> m_definition;
    QHash<QString, QString> m_parameters;
};
