#pragma once

#include <QString>
#include <vector>

class ReportComponent;

/// A field of a data view that a component prints; an empty field stands for a view read for
/// its rows alone (a count).
struct ViewField {
    QString view;
    QString field;
};

/// What a component reads from the data views, so that a run opens every set its layout reads
/// and finds a missing field before it lays out a page.
class ComponentReads {
public:
    static std::vector<ViewField> of(const ReportComponent& component);
};
