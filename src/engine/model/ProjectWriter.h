#pragma once

#include <QString>
#include <QXmlStreamWriter>

class BandDefinition;
class ChartComponent;
struct FontSpec;
class ProjectDefinition;
class QIODevice;
class ReportComponent;
class ReportDefinition;

/// Writes a report project in the format ProjectReader reads, leaving out attributes that hold
/// their default, so that a project written back after run-time edits stays readable by hand.
class ProjectWriter {
public:
    /// Throws ReportError when the file cannot be written.
    static void writeFile(const ProjectDefinition& project, const QString& fileName);
    static void write(const ProjectDefinition& project, QIODevice& device);

private:
    explicit ProjectWriter(QIODevice& device);

    void writeProject(const ProjectDefinition& project);
    void writeReport(const ReportDefinition& report);
    void writeBand(const BandDefinition& band);
    void writeComponent(const ReportComponent& component);
    void writeChart(const ChartComponent& chart);
    /// Name and place, which every component has.
    void writeBox(const ReportComponent& component);
    void writeFont(const FontSpec& font, const FontSpec& defaults);
    void writeText(const char* name, const QString& value);
    void writeNumber(const char* name, double value, double defaultValue = 0);

    QXmlStreamWriter m_xml;
};
