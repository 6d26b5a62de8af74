#pragma once

#include <QDate>
#include <QString>
#include <memory>

using namespace Qt::Literals::StringLiterals;

class ReportDestination;
class ReportFrontEnd;
class TextMeasurer;

/// The settings report projects run with: dialog titles and status texts, the preview's zoom
/// and window state, and where the pages go. Without a destination chosen by code, every run
/// asks the front end (the setup dialog).
class ReportSystem {
public:
    ReportSystem();
    ~ReportSystem();

    const QString& setupTitle() const { return m_setupTitle; }
    void setSetupTitle(const QString& title) { m_setupTitle = title; }
    const QString& statusTitle() const { return m_statusTitle; }
    void setStatusTitle(const QString& title) { m_statusTitle = title; }
    const QString& previewTitle() const { return m_previewTitle; }
    void setPreviewTitle(const QString& title) { m_previewTitle = title; }
    /// "%p" stands for the page number.
    const QString& generatingText() const { return m_generatingText; }
    void setGeneratingText(const QString& text) { m_generatingText = text; }
    const QString& printingText() const { return m_printingText; }
    void setPrintingText(const QString& text) { m_printingText = text; }
    const QString& printJobTitle() const { return m_printJobTitle; }
    void setPrintJobTitle(const QString& title) { m_printJobTitle = title; }
    /// Percent.
    int previewZoom() const { return m_previewZoom; }
    void setPreviewZoom(int percent) { m_previewZoom = percent; }
    bool previewMaximized() const { return m_previewMaximized; }
    void setPreviewMaximized(bool maximized) { m_previewMaximized = maximized; }

    /// A status text with its "%p" replaced by the page number.
    static QString statusText(const QString& pattern, int page);

    ReportFrontEnd* frontEnd() const { return m_frontEnd; }
    /// Not owned.
    void setFrontEnd(ReportFrontEnd* frontEnd) { m_frontEnd = frontEnd; }
    const std::shared_ptr<ReportDestination>& destination() const { return m_destination; }
    /// A destination chosen by code; null to ask the user again.
    void setDestination(std::shared_ptr<ReportDestination> destination);

    /// Real font metrics at 96 dpi unless set.
    const TextMeasurer& measurer() const;
    void setMeasurer(std::shared_ptr<const TextMeasurer> measurer);
    /// The date reports print; today unless set.
    QDate runDate() const;
    void setRunDate(const QDate& date) { m_runDate = date; }

private:
    QString m_setupTitle = u"Nastavenia"_s;
    QString m_statusTitle = u"Stav"_s;
    QString m_previewTitle = u"Náhľad tlače"_s;
    QString m_generatingText = u"Generating page %p"_s;
    QString m_printingText = u"Printing page %p"_s;
    QString m_printJobTitle = u"ReportPrinter Report"_s;
    int m_previewZoom = 100;
    bool m_previewMaximized = false;
    ReportFrontEnd* m_frontEnd = nullptr;
    std::shared_ptr<ReportDestination> m_destination;
    mutable std::shared_ptr<const TextMeasurer> m_measurer;
    QDate m_runDate;
};
