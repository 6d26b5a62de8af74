#pragma once

#include "VstupyZostav.h"

/// Inputs given before the report runs, as the command-line runner takes them from its options:
/// each is answered as set, an input not set as if the user had cancelled it.
class ZadaneVstupyZostav : public VstupyZostav {
public:
    void nastavPocetDcer(std::optional<QString> text) { m_pocetDcer = std::move(text); }

    std::optional<QString> pocetDcer() override { return m_pocetDcer; }

private:
    std::optional<QString> m_pocetDcer;
};
