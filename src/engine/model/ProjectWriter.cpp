#include "ProjectWriter.h"

#include "ChartComponent.h"
#include "ProjectDefinition.h"
#include "ReportError.h"
#include "ShapeComponent.h"
#include "TextComponent.h"
#include "TotalComponent.h"
#include "data/CheckedSave.h"

#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace {
const FontSpec defaultFont;

QString functionName(TotalComponent::Function function) {
    switch (function) {
    case TotalComponent::Function::Sum:
        return u"sum"_s;
    case TotalComponent::Function::Count:
        return u"count"_s;
    case TotalComponent::Function::Average:
        return u"average"_s;
    case TotalComponent::Function::Min:
        return u"min"_s;
    case TotalComponent::Function::Max:
        return u"max"_s;
    }
    return {};
}

QString resetName(TotalComponent::Reset reset) {
    switch (reset) {
    case TotalComponent::Reset::Report:
        return {};
    case TotalComponent::Reset::Page:
        return u"page"_s;
    case TotalComponent::Reset::Group:
        return u"group"_s;
    }
    return {};
}

QString alignmentName(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight)
        return u"right"_s;
    if (alignment & Qt::AlignHCenter)
        return u"center"_s;
    return {};
}
} // namespace

void ProjectWriter::writeFile(const ProjectDefinition& project, const QString& fileName) {
    QSaveFile file(fileName);
    QString problem = CheckedSave::open(file);
    if (problem.isEmpty()) {
        ProjectWriter writer(file);
        writer.writeProject(project);
        if (writer.m_xml.hasError())
            problem = file.errorString();
    }
    if (problem.isEmpty())
        problem = CheckedSave::commit(file);
    if (!problem.isEmpty())
        throw ReportError(u"Súbor „%1“ sa nedá zapísať: %2"_s.arg(fileName, problem));
}

void ProjectWriter::write(const ProjectDefinition& project, QIODevice& device) {
    ProjectWriter writer(device);
    writer.writeProject(project);
}

ProjectWriter::ProjectWriter(QIODevice& device)
    : m_xml(&device) {
    m_xml.setAutoFormatting(true);
    m_xml.setAutoFormattingIndent(2);
}

void ProjectWriter::writeProject(const ProjectDefinition& project) {
    m_xml.writeStartDocument();
    m_xml.writeStartElement(u"reportProject"_s);
    m_xml.writeAttribute(u"version"_s, QString::number(ProjectDefinition::formatVersion));
    m_xml.writeAttribute(u"units"_s, ProjectDefinition::unitsName(project.units()));
    for (const auto& view : project.dataViews()) {
        m_xml.writeStartElement(u"dataView"_s);
        writeText("name", view->name());
        writeText("connection", view->connection());
        writeText("sort", view->sortText());
        for (const ReportField& field : view->fields()) {
            m_xml.writeEmptyElement(u"field"_s);
            writeText("name", field.name);
            writeText("kind", ReportField::kindName(field.kind));
        }
        m_xml.writeEndElement();
    }
    for (const auto& report : project.reports())
        writeReport(*report);
    m_xml.writeEndElement();
    m_xml.writeEndDocument();
}

void ProjectWriter::writeReport(const ReportDefinition& report) {
    m_xml.writeStartElement(u"report"_s);
    writeText("name", report.name());

    const PageSetup& setup = report.pageSetup();
    m_xml.writeEmptyElement(u"pageSetup"_s);
    writeText("size", setup.sizeName());
    if (setup.sizeName().isEmpty()) {
        writeNumber("width", setup.customSize().width());
        writeNumber("height", setup.customSize().height());
    }
    if (setup.orientation() == QPageLayout::Landscape)
        writeText("orientation", u"landscape"_s);
    writeNumber("marginLeft", setup.margins().left());
    writeNumber("marginTop", setup.margins().top());
    writeNumber("marginRight", setup.margins().right());
    writeNumber("marginBottom", setup.margins().bottom());

    for (const auto& [name, defaultValue] : report.parameters()) {
        m_xml.writeEmptyElement(u"parameter"_s);
        writeText("name", name);
        writeText("default", defaultValue);
    }
    for (const auto& page : report.pages()) {
        m_xml.writeStartElement(u"page"_s);
        writeText("name", page->name());
        for (const auto& region : page->regions()) {
            m_xml.writeStartElement(u"region"_s);
            writeText("name", region->name());
            writeNumber("left", region->geometry().left());
            writeNumber("top", region->geometry().top());
            writeNumber("width", region->geometry().width());
            writeNumber("height", region->geometry().height());
            for (const auto& band : region->bands())
                writeBand(*band);
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void ProjectWriter::writeBand(const BandDefinition& band) {
    m_xml.writeStartElement(u"band"_s);
    writeText("name", band.name());
    writeText("kind", BandDefinition::kindName(band.kind()));
    writeNumber("height", band.height());
    writeText("dataView", band.dataView());
    writeText("master", band.master());
    writeText("field", band.groupField());
    if (band.keepTogether())
        writeText("keepTogether", u"true"_s);
    if (band.newPage())
        writeText("newPage", u"true"_s);
    for (const auto& component : band.components())
        writeComponent(*component);
    m_xml.writeEndElement();
}

void ProjectWriter::writeComponent(const ReportComponent& component) {
    if (component.kind() == ReportComponent::Kind::Chart) {
        writeChart(static_cast<const ChartComponent&>(component));
        return;
    }
    m_xml.writeEmptyElement(ReportComponent::kindName(component.kind()));
    writeBox(component);

    if (component.kind() == ReportComponent::Kind::Line ||
        component.kind() == ReportComponent::Kind::Box) {
        const auto& shape = static_cast<const ShapeComponent&>(component);
        writeNumber("pen", shape.penWidth(), ShapeComponent(component.kind(), {}).penWidth());
        if (shape.fill().isValid())
            writeText("fill", shape.fill().name());
        return;
    }
    const auto& textual = static_cast<const TextualComponent&>(component);
    writeFont(textual.font(), defaultFont);
    writeText("align", alignmentName(textual.alignment()));
    if (component.kind() == ReportComponent::Kind::Text) {
        writeText("text", static_cast<const TextComponent&>(component).text());
        return;
    }
    const auto& data = static_cast<const DataTextComponent&>(component);
    writeText("dataView", data.dataView());
    writeText("field", data.field());
    writeText("format", data.format());
    if (component.kind() == ReportComponent::Kind::Total) {
        const auto& total = static_cast<const TotalComponent&>(component);
        writeText("function", functionName(total.function()));
        writeText("reset", resetName(total.reset()));
    }
}

void ProjectWriter::writeChart(const ChartComponent& chart) {
    m_xml.writeStartElement(ReportComponent::kindName(chart.kind()));
    writeBox(chart);
    writeFont(chart.font(), ChartComponent({}).font());
    writeText("dataView", chart.dataView());
    writeText("category", chart.categoryField());
    writeText("title", chart.title());
    writeText("valueTitle", chart.valueTitle());
    // A bound of 0 is a bound, not a default to leave out.
    for (const auto& [name, bound] :
         {std::pair{"minimum", chart.minimum()}, std::pair{"maximum", chart.maximum()}})
        if (bound)
            m_xml.writeAttribute(QLatin1String(name), QString::number(*bound, 'g', 10));
    writeText("format", chart.format());
    for (const ChartComponent::Series& series : chart.series()) {
        m_xml.writeEmptyElement(u"series"_s);
        writeText("field", series.field);
        if (series.style != ChartComponent::Series().style)
            writeText("style", ChartComponent::styleName(series.style));
        writeText("title", series.title);
        if (series.color.isValid())
            writeText("color", series.color.name());
    }
    m_xml.writeEndElement();
}

void ProjectWriter::writeBox(const ReportComponent& component) {
    writeText("name", component.name());
    writeNumber("left", component.left());
    writeNumber("top", component.top());
    writeNumber("width", component.width());
    writeNumber("height", component.height());
}

void ProjectWriter::writeFont(const FontSpec& font, const FontSpec& defaults) {
    if (font.family != defaults.family)
        writeText("font", font.family);
    writeNumber("size", font.size, defaults.size);
    writeText("style", font.styleText());
}

void ProjectWriter::writeText(const char* name, const QString& value) {
    if (!value.isEmpty())
        m_xml.writeAttribute(QLatin1String(name), value);
}

void ProjectWriter::writeNumber(const char* name, double value, double defaultValue) {
    if (value != defaultValue)
        m_xml.writeAttribute(QLatin1String(name), QString::number(value, 'g', 10));
}
