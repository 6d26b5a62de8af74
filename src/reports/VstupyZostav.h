#pragma once

#include <QString>
#include <optional>

/// What a report asks the user for before it runs. The program's window asks in its dialogs,
/// the command-line runner answers from its options, tests answer as they please. Each input of
/// a report has a method of its own; what an answer means and which answers are refused stay
/// with the reports, so that every source of answers obeys the same rules.
class VstupyZostav {
public:
    virtual ~VstupyZostav() = default;

    /// The number of daughters for reports 1.A and 1.B as typed; nothing when the user cancelled.
    virtual std::optional<QString> pocetDcer() = 0;
};
