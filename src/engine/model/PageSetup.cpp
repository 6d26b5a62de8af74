#include "PageSetup.h"

#include <QPageSize>
#include <array>

namespace {
const std::array<QPageSize::PageSizeId, 6> knownSizes{QPageSize::A3,     QPageSize::A4,
                                                      QPageSize::A5,     QPageSize::B5,
                                                      QPageSize::Letter, QPageSize::Legal};

QPageSize::PageSizeId sizeId(const QString& name) {
    for (QPageSize::PageSizeId id : knownSizes)
        if (QPageSize::key(id) == name)
            return id;
    return QPageSize::Custom;
}
// QPageSize rounds sizes in points to whole points; A4 must be exactly 210 x 297 mm.
QSizeF paperInPoints(const QString& name) {
    const QPageSize paper(sizeId(name));
    switch (paper.definitionUnits()) {
    case QPageSize::Millimeter:
        return paper.definitionSize() * (72.0 / 25.4);
    case QPageSize::Inch:
        return paper.definitionSize() * 72.0;
    default:
        return paper.size(QPageSize::Point);
    }
}
} // namespace

bool PageSetup::setSizeName(const QString& name) {
    if (sizeId(name) == QPageSize::Custom)
        return false;
    m_sizeName = name;
    return true;
}

void PageSetup::setCustomSize(const QSizeF& size) {
    m_customSize = size;
    m_sizeName.clear();
}

QSizeF PageSetup::sheetSizeInPoints(double pointsPerUnit) const {
    QSizeF size = m_sizeName.isEmpty() ? m_customSize * pointsPerUnit : paperInPoints(m_sizeName);
    if (m_orientation == QPageLayout::Landscape)
        size.transpose();
    return size;
}
