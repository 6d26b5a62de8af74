#include "ProjectDefinition.h"

using namespace Qt::Literals::StringLiterals;

ProjectDefinition::ProjectDefinition() = default;
ProjectDefinition::~ProjectDefinition() = default;

double ProjectDefinition::pointsPerUnit() const {
    switch (m_units) {
    case Units::Millimetre:
        return 72.0 / 25.4;
    case Units::Inch:
        return 72.0;
    case Units::Point:
        return 1.0;
    }
    return 1.0;
}

QString ProjectDefinition::unitsName(Units units) {
    switch (units) {
    case Units::Millimetre:
        return u"mm"_s;
    case Units::Inch:
        return u"in"_s;
    case Units::Point:
        return u"pt"_s;
    }
    return {};
}

bool ProjectDefinition::parseUnits(const QString& text, Units& units) {
    for (Units candidate : {Units::Millimetre, Units::Inch, Units::Point}) {
        if (unitsName(candidate) == text) {
            units = candidate;
            return true;
        }
    }
    return false;
}

DataViewDefinition& ProjectDefinition::addDataView(std::unique_ptr<DataViewDefinition> view) {
    m_dataViews.push_back(std::move(view));
    return *m_dataViews.back();
}

DataViewDefinition* ProjectDefinition::findDataView(const QString& name) const {
    for (const auto& view : m_dataViews)
        if (view->name() == name)
            return view.get();
    return nullptr;
}

ReportDefinition& ProjectDefinition::addReport(std::unique_ptr<ReportDefinition> report) {
    m_reports.push_back(std::move(report));
    return *m_reports.back();
}

ReportDefinition* ProjectDefinition::findReport(const QString& name) const {
    for (const auto& report : m_reports)
        if (report->name() == name)
            return report.get();
    return nullptr;
}

PageDefinition* ProjectDefinition::findPage(const QString& fullName) const {
    for (const auto& report : m_reports)
        for (const auto& page : report->pages())
            if (page->fullName() == fullName)
                return page.get();
    return nullptr;
}

ReportComponent* ProjectDefinition::findComponent(const QString& name) const {
    for (const auto& report : m_reports)
        if (ReportComponent* component = report->findComponent(name))
            return component;
    return nullptr;
}
