#pragma once

#include "TextualComponent.h"

/// The value of a field of a data view: in a data band the row being printed, elsewhere the
/// view's current row. An empty format shows the value through the field's own display format.
class DataTextComponent : public TextualComponent {
public:
    explicit DataTextComponent(const QString& name)
        : TextualComponent(Kind::DataText, name) {}

    const QString& dataView() const { return m_dataView; }
    void setDataView(const QString& dataView) { m_dataView = dataView; }
    const QString& field() const { return m_field; }
    void setField(const QString& field) { m_field = field; }
    /// A number pattern such as "#,##0.00".
    const QString& format() const { return m_format; }
    void setFormat(const QString& format) { m_format = format; }

protected:
    DataTextComponent(Kind kind, const QString& name)
        : TextualComponent(kind, name) {}

private:
    QString m_dataView;
    QString m_field;
    QString m_format;
};
