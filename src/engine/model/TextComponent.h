#pragma once

#include "TextualComponent.h"

/// Fixed text; {Name} prints the report parameter of that name, {Page} and {Pages} the page
/// number and count, {Date} the run's date, {View.field} a field of a data view's current row.
class TextComponent : public TextualComponent {
public:
    explicit TextComponent(const QString& name)
        : TextualComponent(Kind::Text, name) {}

    static constexpr const char* pageNumber = "Page";
    static constexpr const char* pageCount = "Pages";
    static constexpr const char* runDate = "Date";

    const QString& text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }

private:
    QString m_text;
};
