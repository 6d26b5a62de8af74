#include "ReportSystem.h"

#include "FontMetricsMeasurer.h"
#include "ReportDestination.h"

ReportSystem::ReportSystem() = default;
ReportSystem::~ReportSystem() = default;

QString ReportSystem::statusText(const QString& pattern, int page) {
    QString text = pattern;
    return text.replace(QLatin1String("%p"), QString::number(page));
}

void ReportSystem::setDestination(std::shared_ptr<ReportDestination> destination) {
    m_destination = std::move(destination);
}

const TextMeasurer& ReportSystem::measurer() const {
    // Created on first use: font metrics need the GUI application, settings do not.
    if (!m_measurer)
        m_measurer = std::make_shared<FontMetricsMeasurer>();
    return *m_measurer;
}

void ReportSystem::setMeasurer(std::shared_ptr<const TextMeasurer> measurer) {
    m_measurer = std::move(measurer);
}

QDate ReportSystem::runDate() const {
    return m_runDate.isValid() ? m_runDate : QDate::currentDate();
}
