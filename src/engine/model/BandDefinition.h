#pragma once

#include "ReportComponent.h"

#include <QString>
#include <memory>
#include <vector>

class RegionDefinition;

/// A horizontal strip of a region that prints its components together. Column headers, group
/// bands and summaries belong to a data band (their master; empty means the region's only data
/// band); a group band starts or ends a group on a field of that data band's view.
class BandDefinition {
public:
    enum class Kind {
        ReportHeader,
        PageHeader,
        ColumnHeader,
        GroupHeader,
        Data,
        GroupFooter,
        Summary,
        PageFooter,
        ReportFooter
    };

    BandDefinition(Kind kind, const QString& name);
    ~BandDefinition();

    Kind kind() const { return m_kind; }
    const QString& name() const { return m_name; }
    RegionDefinition* region() const { return m_region; }
    void setRegion(RegionDefinition* region) { m_region = region; }

    double height() const { return m_height; }
    void setHeight(double height) { m_height = height; }
    /// Data bands: the data view whose rows they print.
    const QString& dataView() const { return m_dataView; }
    void setDataView(const QString& dataView) { m_dataView = dataView; }
    const QString& master() const { return m_master; }
    void setMaster(const QString& master) { m_master = master; }
    /// Group bands: the field whose change starts a new group.
    const QString& groupField() const { return m_groupField; }
    void setGroupField(const QString& field) { m_groupField = field; }
    /// Group headers: start the group on a new page when the whole group would fit there.
    bool keepTogether() const { return m_keepTogether; }
    void setKeepTogether(bool keep) { m_keepTogether = keep; }
    /// Group headers: every group starts on a page of its own.
    bool newPage() const { return m_newPage; }
    void setNewPage(bool newPage) { m_newPage = newPage; }

    const std::vector<std::unique_ptr<ReportComponent>>& components() const { return m_components; }
    ReportComponent& addComponent(std::unique_ptr<ReportComponent> component);
    /// Deletes the component; false when the band does not hold it.
    bool removeComponent(const ReportComponent* component);

    bool isGroupBand() const { return m_kind == Kind::GroupHeader || m_kind == Kind::GroupFooter; }
    /// Bands that belong to a data band (see master()).
    bool needsMaster() const;

    static QString kindName(Kind kind);
    static bool parseKind(const QString& text, Kind& kind);

private:
    Kind m_kind;
    QString m_name;
    RegionDefinition* m_region = nullptr;
    double m_height = 0;
    QString m_dataView;
    QString m_master;
    QString m_groupField;
    bool m_keepTogether = false;
    bool m_newPage = false;
    std::vector<std::unique_ptr<ReportComponent>> m_components;
};
