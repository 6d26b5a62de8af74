#pragma once

#include <QString>

class BandDefinition;

/// Something a band prints: its name and its box, in the project's units, relative to the
/// band's top and the region's left edge. A height of 0 means "one line of the font".
class ReportComponent {
public:
    enum class Kind { Text, DataText, Total, Line, Box, Chart };

    virtual ~ReportComponent() = default;
    ReportComponent(const ReportComponent&) = delete;
    ReportComponent& operator=(const ReportComponent&) = delete;

    Kind kind() const { return m_kind; }
    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    /// The band that holds the component; set when a band takes it.
    BandDefinition* band() const { return m_band; }
    void setBand(BandDefinition* band) { m_band = band; }

    double left() const { return m_left; }
    double top() const { return m_top; }
    double width() const { return m_width; }
    double height() const { return m_height; }
    void setLeft(double left) { m_left = left; }
    void setTop(double top) { m_top = top; }
    void setWidth(double width) { m_width = width; }
    void setHeight(double height) { m_height = height; }

    /// The element name of the kind in project files ("text", "dataText"...).
    static QString kindName(Kind kind);

protected:
    ReportComponent(Kind kind, const QString& name)
        : m_kind(kind)
        , m_name(name) {}

private:
    Kind m_kind;
    QString m_name;
    BandDefinition* m_band = nullptr;
    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
};
