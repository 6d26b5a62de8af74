#pragma once

#include "NajlepsieKravy.h"
#include "ObdobieKontrol.h"

#include <QString>
#include <optional>
#include <utility>

/// What a report asks the user for before it runs. The program's window asks in its dialogs,
/// the command-line runner answers from its options, tests answer as they please. Each input of
/// a report has a method of its own; what an answer means and which answers are refused stay
/// with the reports, so that every source of answers obeys the same rules.
class VstupyZostav {
public:
    virtual ~VstupyZostav() = default;

    /// The number of daughters for reports 1.A and 1.B as typed; nothing when the user cancelled.
    virtual std::optional<QString> pocetDcer() = 0;
    /// The lower and upper milk bound of reports 7.AA and 7.BB as typed; nothing when the user
    /// cancelled.
    virtual std::optional<std::pair<QString, QString>> hraniceMlieka() = 0;
    /// The control period of reports 10.A, 10.B, 19 and 23, starting from the proposal; nothing
    /// when the user cancelled.
    virtual std::optional<ObdobieKontrol> obdobie(const ObdobieKontrol& navrh) = 0;
    /// The group size and measure of report 8; nothing when the user cancelled.
    virtual std::optional<VolbaNajlepsich> najlepsieKravy() = 0;
};
