#pragma once

#include "BandDefinition.h"

#include <QRectF>
#include <memory>
#include <vector>

class PageDefinition;

/// An area of a page through which bands flow, in the project's units relative to the page's
/// margins. A height of 0 reaches down to the bottom margin, a width of 0 to the right margin.
class RegionDefinition {
public:
    explicit RegionDefinition(const QString& name);
    ~RegionDefinition();

    const QString& name() const { return m_name; }
    PageDefinition* page() const { return m_page; }
    void setPage(PageDefinition* page) { m_page = page; }

    const QRectF& geometry() const { return m_geometry; }
    void setGeometry(const QRectF& geometry) { m_geometry = geometry; }

    const std::vector<std::unique_ptr<BandDefinition>>& bands() const { return m_bands; }
    BandDefinition& addBand(std::unique_ptr<BandDefinition> band);
    BandDefinition* findBand(const QString& name) const;
    /// The data band a column header, group band or summary belongs to; null when its master
    /// names no data band of this region, or is empty while the region has several.
    BandDefinition* masterOf(const BandDefinition& band) const;

private:
    QString m_name;
    PageDefinition* m_page = nullptr;
    QRectF m_geometry;
    std::vector<std::unique_ptr<BandDefinition>> m_bands;
};
