#pragma once

#include <QList>
#include <QString>

using namespace Qt::Literals::StringLiterals;

class ReportProject;
struct FieldDef;
struct UlozenaZostava;

/// Prints the result of a universal report through the project TarvelinZostavy.rav, whose page
/// has no columns of its own: they are created in it for each print from the result's columns,
/// a title in bold over a data field, side by side from 0.1 inside the region's left edge to its
/// right edge, each as wide as its share of the widths given (numbers, set at the right, keep a
/// small gap to the next column). The columns of the previous print are deleted first, since the
/// project stays loaded. The viewer gives its grid's column widths; the command-line runner, which
/// has no grid, the widths the columns' kinds and sizes ask for.
class TlacUniZostavy {
public:
    explicit TlacUniZostavy(ReportProject& projekt);

    /// Sets the parameters, opens the project, lays out one column per result column with the
    /// widths (any unit; one per column) and runs "ReportUniZostava". Throws ReportError when the
    /// project lacks a component the print needs, or the failure of the project or the data.
    void tlac(const UlozenaZostava& zostava, const QString& kodPodniku, const QString& copyright,
              const QList<double>& sirkyStlpcov);

    /// Widths in characters for columns without a grid: the wider of the title and the field's
    /// shown values, and one for the gap.
    static QList<double> sirkyPodlaPoli(const QList<FieldDef>& polia);

    static inline const QString menoZostavy = u"ReportUniZostava"_s;

private:
    ReportProject& m_projekt;
};
