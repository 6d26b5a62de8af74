#pragma once

#include "DataTextComponent.h"

/// An aggregate of a field over the rows of a data view printed so far, started again at the
/// start of its reset scope: the group of the band it sits in, each page, or never (report).
class TotalComponent : public DataTextComponent {
public:
    enum class Function { Sum, Count, Average, Min, Max };
    enum class Reset { Report, Page, Group };

    explicit TotalComponent(const QString& name)
        : DataTextComponent(Kind::Total, name) {}

    Function function() const { return m_function; }
    void setFunction(Function function) { m_function = function; }
    Reset reset() const { return m_reset; }
    void setReset(Reset reset) { m_reset = reset; }

private:
    Function m_function = Function::Sum;
    Reset m_reset = Reset::Report;
};
