#pragma once

#include "ReportPage.h"

#include <QString>
#include <vector>

/// The pages a report run produced, ready for the outputs. dump() gives a stable text of
/// every page, one primitive a line, for golden tests.
class PageModel {
public:
    const QString& title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    const std::vector<ReportPage>& pages() const { return m_pages; }
    std::vector<ReportPage>& pages() { return m_pages; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }

    QString dump() const;

private:
    QString m_title;
    std::vector<ReportPage> m_pages;
};
