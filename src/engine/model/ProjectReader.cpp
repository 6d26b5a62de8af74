#include "ProjectReader.h"

#include "ChartComponent.h"
#include "DataTextComponent.h"
#include "ProjectDefinition.h"
#include "ReportError.h"
#include "ShapeComponent.h"
#include "TextComponent.h"
#include "TextTemplate.h"
#include "TotalComponent.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString rootElement = u"reportProject"_s;

QString quoted(const QString& text) {
    return u"„%1“"_s.arg(text);
}

std::unique_ptr<ReportComponent> newComponent(const QString& element, const QString& name) {
    if (element == QLatin1String("text"))
        return std::make_unique<TextComponent>(name);
    if (element == QLatin1String("dataText"))
        return std::make_unique<DataTextComponent>(name);
    if (element == QLatin1String("total"))
        return std::make_unique<TotalComponent>(name);
    if (element == QLatin1String("line"))
        return std::make_unique<ShapeComponent>(ReportComponent::Kind::Line, name);
    if (element == QLatin1String("box"))
        return std::make_unique<ShapeComponent>(ReportComponent::Kind::Box, name);
    if (element == QLatin1String("chart"))
        return std::make_unique<ChartComponent>(name);
    return nullptr;
}
} // namespace

std::unique_ptr<ProjectDefinition> ProjectReader::readFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.exists())
        throw ReportError(u"Súbor projektu zostáv %1 neexistuje."_s.arg(quoted(fileName)));
    // Opening a pipe or a device would wait for a writer that never comes.
    if (!QFileInfo(fileName).isFile())
        throw ReportError(
            u"Súbor projektu zostáv %1 nie je obyčajný súbor."_s.arg(quoted(fileName)));
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(u"Súbor projektu zostáv %1 sa nedá otvoriť: %2"_s.arg(
            quoted(fileName), file.errorString()));
    return read(file, fileName);
}

std::unique_ptr<ProjectDefinition> ProjectReader::read(QIODevice& device,
                                                       const QString& sourceName) {
    ProjectReader reader(device, sourceName);
    return reader.readProject();
}

ProjectReader::ProjectReader(QIODevice& device, const QString& sourceName)
    : m_xml(&device)
    , m_source(QFileInfo(sourceName).fileName()) {}

std::unique_ptr<ProjectDefinition> ProjectReader::readProject() {
    if (!m_xml.readNextStartElement()) {
        if (m_xml.hasError())
            fail(m_xml.errorString());
        fail(u"súbor je prázdny"_s);
    }
    if (m_xml.name() != rootElement)
        fail(u"súbor nie je projekt zostáv (koreňový prvok <%1>)"_s.arg(m_xml.name().toString()));
    expectAttributes({"version", "units"});
    bool ok = false;
    const int version = text("version", true).toInt(&ok);
    if (!ok || version < 1)
        failValue("version");
    if (version > ProjectDefinition::formatVersion)
        fail(u"verzia formátu %1 je novšia ako podporovaná verzia %2"_s.arg(version).arg(
            ProjectDefinition::formatVersion));

    auto project = std::make_unique<ProjectDefinition>();
    ProjectDefinition::Units units = ProjectDefinition::Units::Millimetre;
    const QString unitsText = text("units");
    if (!unitsText.isEmpty() && !ProjectDefinition::parseUnits(unitsText, units))
        failValue("units");
    project->setUnits(units);

    while (nextChild()) {
        if (m_xml.name() == QLatin1String("dataView"))
            readDataView(*project);
        else if (m_xml.name() == QLatin1String("report"))
            readReport(*project);
        else
            failElement();
    }
    checkViewReferences(*project);
    return project;
}

void ProjectReader::readDataView(ProjectDefinition& project) {
    expectAttributes({"name", "connection", "sort"});
    const QString name = text("name", true);
    if (project.findDataView(name))
        fail(u"dátový pohľad %1 je už definovaný"_s.arg(quoted(name)));
    auto& view =
        project.addDataView(std::make_unique<DataViewDefinition>(name, text("connection", true)));
    const QString sortText = text("sort");
    QList<DataViewDefinition::SortField> sort;
    if (!sortText.isEmpty() && !DataViewDefinition::parseSort(sortText, sort))
        failValue("sort");
    view.setSort(sort);
    while (nextChild()) {
        if (m_xml.name() != QLatin1String("field"))
            failElement();
        expectAttributes({"name", "kind"});
        ReportField field;
        field.name = text("name", true);
        const QString kind = text("kind");
        if (!kind.isEmpty() && !ReportField::parseKind(kind, field.kind))
            failValue("kind");
        view.addField(field);
        noChildren();
    }
}

void ProjectReader::readReport(ProjectDefinition& project) {
    expectAttributes({"name"});
    const QString name = text("name", true);
    if (project.findReport(name))
        fail(u"zostava %1 je už definovaná"_s.arg(quoted(name)));
    ReportDefinition& report = project.addReport(std::make_unique<ReportDefinition>(name));
    m_reportNames.clear();
    m_parameterReferences.clear();
    while (nextChild()) {
        if (m_xml.name() == QLatin1String("pageSetup")) {
            readPageSetup(report);
        } else if (m_xml.name() == QLatin1String("parameter")) {
            expectAttributes({"name", "default"});
            const QString parameter = text("name", true);
            if (report.hasParameter(parameter))
                fail(u"parameter %1 je už deklarovaný"_s.arg(quoted(parameter)));
            report.addParameter(parameter, text("default"));
            noChildren();
        } else if (m_xml.name() == QLatin1String("page")) {
            readPage(report);
        } else {
            failElement();
        }
    }
    checkParameterReferences(report);
}

void ProjectReader::readPageSetup(ReportDefinition& report) {
    expectAttributes({"size", "width", "height", "orientation", "marginLeft", "marginTop",
                      "marginRight", "marginBottom"});
    PageSetup& setup = report.pageSetup();
    const QString size = text("size");
    if (!size.isEmpty() && !setup.setSizeName(size))
        failValue("size");
    if (m_xml.attributes().hasAttribute(QLatin1String("width"))) {
        if (!size.isEmpty())
            fail(u"pomenovaný formát papiera a vlastné rozmery sa vylučujú"_s);
        setup.setCustomSize(QSizeF(number("width", 0, 1), number("height", 0, 1)));
    }
    const QString orientation = text("orientation");
    if (orientation == QLatin1String("landscape"))
        setup.setOrientation(QPageLayout::Landscape);
    else if (!orientation.isEmpty() && orientation != QLatin1String("portrait"))
        failValue("orientation");
    setup.setMargins(QMarginsF(number("marginLeft"), number("marginTop"), number("marginRight"),
                               number("marginBottom")));
    noChildren();
}

void ProjectReader::readPage(ReportDefinition& report) {
    expectAttributes({"name"});
    PageDefinition& page = report.addPage(std::make_unique<PageDefinition>(uniqueName()));
    while (nextChild()) {
        if (m_xml.name() != QLatin1String("region"))
            failElement();
        readRegion(page);
    }
}

void ProjectReader::readRegion(PageDefinition& page) {
    expectAttributes({"name", "left", "top", "width", "height"});
    RegionDefinition& region = page.addRegion(std::make_unique<RegionDefinition>(uniqueName()));
    region.setGeometry(QRectF(number("left"), number("top"), number("width"), number("height")));
    std::vector<qint64> bandLines;
    while (nextChild()) {
        if (m_xml.name() != QLatin1String("band"))
            failElement();
        bandLines.push_back(m_xml.lineNumber());
        readBand(region);
    }
    checkMasters(region, bandLines);
}

void ProjectReader::readBand(RegionDefinition& region) {
    expectAttributes(
        {"name", "kind", "height", "dataView", "master", "field", "keepTogether", "newPage"});
    const QString name = uniqueName();
    BandDefinition::Kind kind{};
    if (!BandDefinition::parseKind(text("kind", true), kind))
        failValue("kind");
    BandDefinition& band = region.addBand(std::make_unique<BandDefinition>(kind, name));
    band.setHeight(number("height", 0, 0));
    band.setMaster(text("master"));
    band.setKeepTogether(flag("keepTogether"));
    band.setNewPage(flag("newPage"));
    band.setGroupField(text("field", band.isGroupBand()));
    if (kind == BandDefinition::Kind::Data) {
        band.setDataView(text("dataView", true));
        referView(band.dataView());
    }
    while (nextChild())
        readComponent(band);
}

void ProjectReader::readComponent(BandDefinition& band) {
    const QString element = m_xml.name().toString();
    std::unique_ptr<ReportComponent> created = newComponent(element, {});
    if (!created)
        failElement();
    switch (created->kind()) {
    case ReportComponent::Kind::Text:
        expectAttributes(
            {"name", "left", "top", "width", "height", "font", "size", "style", "align", "text"});
        break;
    case ReportComponent::Kind::DataText:
        expectAttributes({"name", "left", "top", "width", "height", "font", "size", "style",
                          "align", "dataView", "field", "format"});
        break;
    case ReportComponent::Kind::Total:
        expectAttributes({"name", "left", "top", "width", "height", "font", "size", "style",
                          "align", "dataView", "field", "format", "function", "reset"});
        break;
    case ReportComponent::Kind::Line:
    case ReportComponent::Kind::Box:
        expectAttributes({"name", "left", "top", "width", "height", "pen", "fill"});
        break;
    case ReportComponent::Kind::Chart:
        expectAttributes({"name", "left", "top", "width", "height", "font", "size", "style",
                          "dataView", "category", "title", "valueTitle", "minimum", "maximum",
                          "format"});
        break;
    }
    ReportComponent& component = band.addComponent(std::move(created));
    component.setName(uniqueName());
    component.setLeft(number("left", 0, -1e6));
    component.setTop(number("top", 0, -1e6));
    component.setWidth(number("width"));
    component.setHeight(number("height"));

    if (component.kind() == ReportComponent::Kind::Line ||
        component.kind() == ReportComponent::Kind::Box) {
        auto& shape = static_cast<ShapeComponent&>(component);
        shape.setPenWidth(number("pen", shape.penWidth()));
        shape.setFill(color("fill"));
        noChildren();
        return;
    }
    if (component.kind() == ReportComponent::Kind::Chart) {
        readChart(static_cast<ChartComponent&>(component));
        return;
    }
    readTextual(static_cast<TextualComponent&>(component));
    if (component.kind() == ReportComponent::Kind::Text) {
        auto& textComponent = static_cast<TextComponent&>(component);
        textComponent.setText(text("text"));
        checkText(textComponent.text());
        noChildren();
        return;
    }
    auto& data = static_cast<DataTextComponent&>(component);
    data.setDataView(text("dataView", true));
    referView(data.dataView());
    data.setFormat(text("format"));
    if (component.kind() == ReportComponent::Kind::DataText) {
        data.setField(text("field", true));
        noChildren();
        return;
    }
    auto& total = static_cast<TotalComponent&>(component);
    const QString function = text("function", true);
    if (function == QLatin1String("sum"))
        total.setFunction(TotalComponent::Function::Sum);
    else if (function == QLatin1String("count"))
        total.setFunction(TotalComponent::Function::Count);
    else if (function == QLatin1String("average"))
        total.setFunction(TotalComponent::Function::Average);
    else if (function == QLatin1String("min"))
        total.setFunction(TotalComponent::Function::Min);
    else if (function == QLatin1String("max"))
        total.setFunction(TotalComponent::Function::Max);
    else
        failValue("function");
    // A count counts rows; every other function needs the field it aggregates.
    total.setField(text("field", total.function() != TotalComponent::Function::Count));
    const QString reset = text("reset");
    if (reset == QLatin1String("page"))
        total.setReset(TotalComponent::Reset::Page);
    else if (reset == QLatin1String("group"))
        total.setReset(TotalComponent::Reset::Group);
    else if (!reset.isEmpty() && reset != QLatin1String("report"))
        failValue("reset");
    if (total.reset() == TotalComponent::Reset::Group && !band.isGroupBand())
        fail(u"súčet so skupinovým nulovaním musí byť v skupinovom pásme"_s);
    noChildren();
}

void ProjectReader::readChart(ChartComponent& chart) {
    const qint64 line = m_xml.lineNumber();
    if (chart.width() <= 0 || chart.height() <= 0)
        fail(u"graf %1 potrebuje šírku aj výšku"_s.arg(quoted(chart.name())));
    chart.setFont(font(chart.font()));
    chart.setDataView(text("dataView", true));
    referView(chart.dataView());
    chart.setCategoryField(text("category", true));
    chart.setTitle(text("title"));
    chart.setValueTitle(text("valueTitle"));
    chart.setFormat(text("format"));
    auto bound = [this](const char* name) -> std::optional<double> {
        if (!m_xml.attributes().hasAttribute(QLatin1String(name)))
            return std::nullopt;
        return number(name, 0, -1e12);
    };
    chart.setMinimum(bound("minimum"));
    chart.setMaximum(bound("maximum"));
    if (chart.minimum() && chart.maximum() && *chart.maximum() <= *chart.minimum())
        failValue("maximum");
    while (nextChild()) {
        if (m_xml.name() != QLatin1String("series"))
            failElement();
        expectAttributes({"field", "style", "title", "color"});
        ChartComponent::Series series;
        series.field = text("field", true);
        const QString style = text("style");
        if (!style.isEmpty() && !ChartComponent::parseStyle(style, series.style))
            failValue("style");
        series.title = text("title");
        series.color = color("color");
        chart.addSeries(series);
        noChildren();
    }
    if (chart.series().isEmpty())
        failAt(line, u"graf %1 nemá žiadny rad hodnôt <series>"_s.arg(quoted(chart.name())));
}

FontSpec ProjectReader::font(const FontSpec& defaults) {
    FontSpec font = defaults;
    const QString family = text("font");
    if (!family.isEmpty())
        font.family = family;
    font.size = number("size", font.size, 1);
    if (!font.setStyleText(text("style")))
        failValue("style");
    return font;
}

QColor ProjectReader::color(const char* name) {
    const QString value = text(name);
    if (value.isEmpty())
        return {};
    const QColor color = QColor::fromString(value);
    if (!color.isValid())
        failValue(name);
    return color;
}

void ProjectReader::readTextual(TextualComponent& component) {
    component.setFont(font(FontSpec()));
    const QString align = text("align");
    if (align == QLatin1String("right"))
        component.setAlignment(Qt::AlignRight);
    else if (align == QLatin1String("center"))
        component.setAlignment(Qt::AlignHCenter);
    else if (!align.isEmpty() && align != QLatin1String("left"))
        failValue("align");
}

void ProjectReader::checkText(const QString& text) {
    for (const QString& name : TextTemplate::placeholders(text)) {
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        if (dot >= 0)
            referView(name.left(dot));
        else if (name != QLatin1String(TextComponent::pageNumber) &&
                 name != QLatin1String(TextComponent::pageCount) &&
                 name != QLatin1String(TextComponent::runDate))
            m_parameterReferences.push_back({m_xml.lineNumber(), name});
    }
}

void ProjectReader::checkMasters(const RegionDefinition& region,
                                 const std::vector<qint64>& bandLines) {
    for (std::size_t i = 0; i < region.bands().size(); ++i) {
        const BandDefinition& band = *region.bands()[i];
        if (band.needsMaster() && !region.masterOf(band))
            failAt(bandLines[i],
                   band.master().isEmpty()
                       ? u"pásmo %1 nemá určené dátové pásmo (atribút „master“)"_s.arg(
                             quoted(band.name()))
                       : u"pásmo %1: dátové pásmo %2 v oblasti neexistuje"_s.arg(
                             quoted(band.name()), quoted(band.master())));
    }
}

void ProjectReader::checkParameterReferences(const ReportDefinition& report) {
    for (const ParameterReference& reference : m_parameterReferences)
        if (!report.hasParameter(reference.name))
            failAt(reference.line, u"parameter %1 nie je deklarovaný v zostave %2"_s.arg(
                                       quoted(reference.name), quoted(report.name())));
}

void ProjectReader::checkViewReferences(const ProjectDefinition& project) {
    for (const ViewReference& reference : m_viewReferences)
        if (!project.findDataView(reference.view))
            failAt(reference.line, u"dátový pohľad %1 neexistuje"_s.arg(quoted(reference.view)));
}

void ProjectReader::referView(const QString& view) {
    m_viewReferences.push_back({m_xml.lineNumber(), view});
}

void ProjectReader::expectAttributes(std::initializer_list<const char*> known) {
    for (const QXmlStreamAttribute& attribute : m_xml.attributes()) {
        const bool isKnown = std::any_of(known.begin(), known.end(), [&](const char* name) {
            return attribute.name() == QLatin1String(name);
        });
        if (!isKnown)
            fail(u"neznámy atribút %1 prvku <%2>"_s.arg(quoted(attribute.name().toString()),
                                                        m_xml.name().toString()));
    }
}

QString ProjectReader::text(const char* name, bool required) {
    const QXmlStreamAttributes attributes = m_xml.attributes();
    if (required && attributes.value(QLatin1String(name)).isEmpty())
        fail(u"prvku <%1> chýba atribút %2"_s.arg(m_xml.name().toString(),
                                                  quoted(QLatin1String(name))));
    return attributes.value(QLatin1String(name)).toString();
}

QString ProjectReader::uniqueName() {
    const QString name = text("name", true);
    if (m_reportNames.contains(name))
        fail(u"meno %1 je v zostave už použité"_s.arg(quoted(name)));
    m_reportNames.insert(name);
    return name;
}

double ProjectReader::number(const char* name, double defaultValue, double minimum) {
    const QString value = text(name);
    if (value.isEmpty())
        return defaultValue;
    bool ok = false;
    const double result = value.toDouble(&ok);
    if (!ok || result < minimum)
        failValue(name);
    return result;
}

bool ProjectReader::flag(const char* name) {
    const QString value = text(name);
    if (value.isEmpty() || value == QLatin1String("false"))
        return false;
    if (value != QLatin1String("true"))
        failValue(name);
    return true;
}

void ProjectReader::noChildren() {
    if (nextChild())
        failElement();
}

bool ProjectReader::nextChild() {
    const bool found = m_xml.readNextStartElement();
    if (m_xml.hasError())
        fail(m_xml.errorString());
    return found;
}

void ProjectReader::fail(const QString& message) const {
    failAt(m_xml.lineNumber(), message);
}

void ProjectReader::failAt(qint64 line, const QString& message) const {
    throw ReportError(u"%1, riadok %2: %3"_s.arg(m_source).arg(line).arg(message));
}

void ProjectReader::failElement() const {
    fail(u"neznámy prvok <%1>"_s.arg(m_xml.name().toString()));
}

void ProjectReader::failValue(const char* attribute) const {
    fail(u"atribút %1 má neplatnú hodnotu %2"_s.arg(
        quoted(QLatin1String(attribute)),
        quoted(m_xml.attributes().value(QLatin1String(attribute)).toString())));
}
