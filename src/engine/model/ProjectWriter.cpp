#include "ProjectWriter.h"

#include "ProjectDefinition.h"
#include "ReportError.h"
#include "ShapeComponent.h"
#include "TextComponent.h"
#include "TotalComponent.h"
#include "data/CheckedSave.h"

#include <QSaveFile>

namespace {
const FontSpec defaultFont;

QString functionName(TotalComponent::Function function) {
    switch (function) {
    case TotalComponent::Function::Sum:
        return QStringLiteral("sum");
    case TotalComponent::Function::Count:
        return QStringLiteral("count");
    case TotalComponent::Function::Average:
        return QStringLiteral("average");
    case TotalComponent::Function::Min:
        return QStringLiteral("min");
    case TotalComponent::Function::Max:
        return QStringLiteral("max");
    }
    return {};
}

QString resetName(TotalComponent::Reset reset) {
    switch (reset) {
    case TotalComponent::Reset::Report:
        return {};
    case TotalComponent::Reset::Page:
        return QStringLiteral("page");
    case TotalComponent::Reset::Group:
        return QStringLiteral("group");
    }
    return {};
}

QString alignmentName(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
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
        throw ReportError(QStringLiteral("Súbor „%1“ sa nedá zapísať: %2").arg(fileName, problem));
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
    m_xml.writeStartElement(QStringLiteral("reportProject"));
    m_xml.writeAttribute(QStringLiteral("version"),
                         QString::number(ProjectDefinition::formatVersion));
    m_xml.writeAttribute(QStringLiteral("units"), ProjectDefinition::unitsName(project.units()));
    for (const auto& view : project.dataViews()) {
        m_xml.writeStartElement(QStringLiteral("dataView"));
        writeText("name", view->name());
        writeText("connection", view->connection());
        for (const ReportField& field : view->fields()) {
            m_xml.writeEmptyElement(QStringLiteral("field"));
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
    m_xml.writeStartElement(QStringLiteral("report"));
    writeText("name", report.name());

    const PageSetup& setup = report.pageSetup();
    m_xml.writeEmptyElement(QStringLiteral("pageSetup"));
    writeText("size", setup.sizeName());
    if (setup.sizeName().isEmpty()) {
        writeNumber("width", setup.customSize().width());
        writeNumber("height", setup.customSize().height());
    }
    if (setup.orientation() == QPageLayout::Landscape)
        writeText("orientation", QStringLiteral("landscape"));
    writeNumber("marginLeft", setup.margins().left());
    writeNumber("marginTop", setup.margins().top());
    writeNumber("marginRight", setup.margins().right());
    writeNumber("marginBottom", setup.margins().bottom());

    for (const auto& [name, defaultValue] : report.parameters()) {
        m_xml.writeEmptyElement(QStringLiteral("parameter"));
        writeText("name", name);
        writeText("default", defaultValue);
    }
    for (const auto& page : report.pages()) {
        m_xml.writeStartElement(QStringLiteral("page"));
        writeText("name", page->name());
        for (const auto& region : page->regions()) {
            m_xml.writeStartElement(QStringLiteral("region"));
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
    m_xml.writeStartElement(QStringLiteral("band"));
    writeText("name", band.name());
    writeText("kind", BandDefinition::kindName(band.kind()));
    writeNumber("height", band.height());
    writeText("dataView", band.dataView());
    writeText("master", band.master());
    writeText("field", band.groupField());
    if (band.keepTogether())
        writeText("keepTogether", QStringLiteral("true"));
    if (band.newPage())
        writeText("newPage", QStringLiteral("true"));
    for (const auto& component : band.components())
        writeComponent(*component);
    m_xml.writeEndElement();
}

void ProjectWriter::writeComponent(const ReportComponent& component) {
    m_xml.writeEmptyElement(ReportComponent::kindName(component.kind()));
    writeText("name", component.name());
    writeNumber("left", component.left());
    writeNumber("top", component.top());
    writeNumber("width", component.width());
    writeNumber("height", component.height());

    if (component.kind() == ReportComponent::Kind::Line ||
        component.kind() == ReportComponent::Kind::Box) {
        const auto& shape = static_cast<const ShapeComponent&>(component);
        writeNumber("pen", shape.penWidth(), ShapeComponent(component.kind(), {}).penWidth());
        if (shape.fill().isValid())
            writeText("fill", shape.fill().name());
        return;
    }
    const auto& textual = static_cast<const TextualComponent&>(component);
    if (textual.font().family != defaultFont.family)
        writeText("font", textual.font().family);
    writeNumber("size", textual.font().size, defaultFont.size);
    writeText("style", textual.font().styleText());
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

void ProjectWriter::writeText(const char* name, const QString& value) {
    if (!value.isEmpty())
        m_xml.writeAttribute(QLatin1String(name), value);
}

void ProjectWriter::writeNumber(const char* name, double value, double defaultValue) {
    if (value != defaultValue)
        m_xml.writeAttribute(QLatin1String(name), QString::number(value, 'g', 10));
}
