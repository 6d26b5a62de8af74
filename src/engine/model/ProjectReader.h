#pragma once

#include "FontSpec.h"

#include <QColor>
#include <QSet>
#include <QString>
#include <QXmlStreamReader>
#include <memory>
#include <vector>

class BandDefinition;
class ChartComponent;
class PageDefinition;
class ProjectDefinition;
class QIODevice;
class RegionDefinition;
class ReportComponent;
class ReportDefinition;
class TextualComponent;

/// Reads a report project file. Any fault (bad XML, an unknown element or attribute, a value
/// out of range, a reference to a missing data view, parameter or data band) throws a
/// ReportError naming the file and the line.
class ProjectReader {
public:
    static std::unique_ptr<ProjectDefinition> readFile(const QString& fileName);
    static std::unique_ptr<ProjectDefinition> read(QIODevice& device, const QString& sourceName);

private:
    // A name used before its declaration may appear; checked when the project is read.
    struct ViewReference {
        qint64 line;
        QString view;
    };
    struct ParameterReference {
        qint64 line;
        QString name;
    };

    ProjectReader(QIODevice& device, const QString& sourceName);

    std::unique_ptr<ProjectDefinition> readProject();
    void readDataView(ProjectDefinition& project);
    void readReport(ProjectDefinition& project);
    void readPageSetup(ReportDefinition& report);
    void readPage(ReportDefinition& report);
    void readRegion(PageDefinition& page);
    void readBand(RegionDefinition& region);
    void readComponent(BandDefinition& band);
    void readTextual(TextualComponent& component);
    void readChart(ChartComponent& chart);
    /// The attributes font, size and style over the defaults.
    FontSpec font(const FontSpec& defaults);
    /// Invalid when the attribute is missing.
    QColor color(const char* name);
    void checkText(const QString& text);
    void checkMasters(const RegionDefinition& region, const std::vector<qint64>& bandLines);
    void checkParameterReferences(const ReportDefinition& report);
    void checkViewReferences(const ProjectDefinition& project);
    void referView(const QString& view);

    void expectAttributes(std::initializer_list<const char*> known);
    QString text(const char* name, bool required = false);
    QString uniqueName();
    double number(const char* name, double defaultValue = 0, double minimum = 0);
    bool flag(const char* name);
    bool nextChild();
    void noChildren();
    [[noreturn]] void fail(const QString& message) const;
    [[noreturn]] void failAt(qint64 line, const QString& message) const;
    [[noreturn]] void failElement() const;
    [[noreturn]] void failValue(const char* attribute) const;

    QXmlStreamReader m_xml;
    QString m_source;
    QSet<QString> m_reportNames; ///< names used in the report being read
    std::vector<ViewReference> m_viewReferences;
    std::vector<ParameterReference> m_parameterReferences;
};
