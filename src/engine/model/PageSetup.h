#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QSizeF>
#include <QString>

using namespace Qt::Literals::StringLiterals;

/// Paper size, orientation and margins of a report, in the project's units. A named size
/// ("A4", "Letter"...) wins over a custom one; both are the upright sheet, which landscape
/// turns.
class PageSetup {
public:
    const QString& sizeName() const { return m_sizeName; }
    /// False (and nothing changed) when the name is not a known paper size.
    bool setSizeName(const QString& name);
    const QSizeF& customSize() const { return m_customSize; }
    void setCustomSize(const QSizeF& size);
    QPageLayout::Orientation orientation() const { return m_orientation; }
    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    const QMarginsF& margins() const { return m_margins; }
    void setMargins(const QMarginsF& margins) { m_margins = margins; }

    /// The sheet as printed (orientation applied), in points.
    QSizeF sheetSizeInPoints(double pointsPerUnit) const;

private:
    QString m_sizeName = u"A4"_s;
    QSizeF m_customSize;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QMarginsF m_margins;
};
