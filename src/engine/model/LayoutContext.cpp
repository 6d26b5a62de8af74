#include "LayoutContext.h"

#include "ReportDataSet.h"
#include "ReportDefinition.h"
#include "ReportError.h"
#include "TextComponent.h"
#include "TextTemplate.h"
#include "data/NumberFormat.h"

using namespace Qt::Literals::StringLiterals;

LayoutContext::LayoutContext(const ReportDefinition& report, double pointsPerUnit,
                             DataViewSets dataSets, const TextMeasurer& measurer,
                             const QHash<QString, QString>& parameters, const QDate& date)
    : m_report(report)
    , m_pointsPerUnit(pointsPerUnit)
    , m_dataSets(std::move(dataSets))
    , m_measurer(measurer)
    , m_date(date) {
    for (const auto& [name, defaultValue] : report.parameters())
        m_parameters.insert(name, parameters.value(name, defaultValue));
}

ReportDataSet& LayoutContext::dataSet(const QString& view) const {
    ReportDataSet* set = m_dataSets.value(view);
    if (!set)
        throw ReportError(
            u"Zostava „%1“: dátový pohľad „%2“ nemá dáta."_s.arg(m_report.name(), view));
    return *set;
}

int LayoutContext::row(const QString& view) const {
    const ReportDataSet& set = dataSet(view);
    if (set.rowCount() == 0)
        return -1;
    const auto it = m_rows.find(view);
    if (it != m_rows.end())
        return *it;
    return std::max(set.currentRow(), 0);
}

std::pair<int, int> LayoutContext::chartRows(const QString& view) const {
    const auto it = m_groupRows.find(view);
    return it != m_groupRows.end() ? *it : std::pair<int, int>(0, dataSet(view).rowCount());
}

void LayoutContext::setGroupRows(const QString& view, int first, int last) {
    if (first < 0)
        m_groupRows.remove(view);
    else
        m_groupRows.insert(view, {first, last + 1});
}

QString LayoutContext::text(const TextComponent& component, int pageNumber) const {
    return TextTemplate::expand(component.text(), [&](const QString& name) {
        if (name == QLatin1String(TextComponent::pageNumber))
            return QString::number(pageNumber);
        if (name == QLatin1String(TextComponent::pageCount))
            return QString(pageCountMarker());
        if (name == QLatin1String(TextComponent::runDate))
            return QLocale().toString(m_date, QLocale::ShortFormat);
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        if (dot >= 0)
            return fieldText(name.left(dot), name.mid(dot + 1), {});
        return m_parameters.value(name);
    });
}

QString LayoutContext::dataText(const DataTextComponent& component) const {
    return fieldText(component.dataView(), component.field(), component.format());
}

QString LayoutContext::totalText(const TotalComponent& component) const {
    const QVariant value = m_totals.result(component);
    if (value.isNull())
        return {};
    QString pattern = component.format();
    if (pattern.isEmpty())
        pattern = value.typeId() == QMetaType::Int ? u"0"_s : u"0.##"_s;
    return NumberFormat(pattern).format(value.toDouble());
}

QString LayoutContext::fieldText(const QString& view, const QString& field,
                                 const QString& format) const {
    const int current = row(view);
    if (current < 0)
        return {};
    const ReportDataSet& set = dataSet(view);
    if (format.isEmpty())
        return set.displayText(current, field);
    const QVariant value = set.value(current, field);
    if (value.isNull())
        return {};
    bool numeric = false;
    const double number = value.toDouble(&numeric);
    return numeric ? NumberFormat(format).format(number) : value.toString();
}
