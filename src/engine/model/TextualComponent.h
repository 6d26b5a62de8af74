#pragma once

#include "FontSpec.h"
#include "ReportComponent.h"

#include <Qt>

/// A component that prints one line of text in its box: a font and a horizontal alignment.
class TextualComponent : public ReportComponent {
public:
    const FontSpec& font() const { return m_font; }
    void setFont(const FontSpec& font) { m_font = font; }
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment) { m_alignment = alignment; }

protected:
    using ReportComponent::ReportComponent;

private:
    FontSpec m_font;
    Qt::Alignment m_alignment = Qt::AlignLeft;
};
