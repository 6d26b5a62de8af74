#pragma once

#include <QString>

class BandDefinition;
class DataTextComponent;
class DataViewDefinition;
class ProjectDefinition;
class ReportComponent;
class ReportConnections;
class RegionDefinition;
class ReportProject;
class TextComponent;

/// Changes a loaded project's layout while the program runs: finds components, refreshes a
/// data view's fields from its connection, deletes and creates components. The changes last
/// until the project is closed.
class LayoutEditor {
public:
    /// Throws ReportError when the project is not open.
    explicit LayoutEditor(ReportProject& project);
    LayoutEditor(ProjectDefinition& definition, const ReportConnections& connections);

    ReportComponent* findComponent(const QString& name) const;
    /// The region's width in the project's units, also when it reaches to the right margin.
    double regionWidth(const RegionDefinition& region) const;
    /// Makes the view's fields those of the data set published under its connection, opening a
    /// closed set for the moment it takes to read them.
    void refreshFields(DataViewDefinition& view) const;
    void deleteComponent(ReportComponent& component) const;
    /// Both throw ReportError when the band's report already has a component of that name.
    TextComponent& createText(BandDefinition& band, const QString& name) const;
    DataTextComponent& createDataText(BandDefinition& band, const QString& name) const;

private:
    void requireFreeName(const BandDefinition& band, const QString& name) const;

    ProjectDefinition& m_definition;
    const ReportConnections& m_connections;
};
