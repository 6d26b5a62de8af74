#pragma once

#include "reports/VstupyZostav.h"

/// The report inputs as the main window asks for them: in the dialogs of the program's dialog
/// service, so that tests answer them through a scripted service.
class DialogoveVstupyZostav : public VstupyZostav {
public:
    /// The input box "Počet dcér", preset to "1".
    std::optional<QString> pocetDcer() override;
};
