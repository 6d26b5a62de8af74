#pragma once

#include <QString>
#include <memory>

class ReportDestination;
class ReportSystem;

/// The user's side of a run: the setup dialog that chooses the destination and the status
/// window shown while pages are generated. The engine's widget library provides the dialogs.
class ReportFrontEnd {
public:
    virtual ~ReportFrontEnd() = default;
    /// Null when the user cancels. title is the report's printed title (ReportTitle).
    virtual std::unique_ptr<ReportDestination> chooseDestination(const ReportSystem& system,
                                                                 const QString& title) = 0;
    virtual void showStatus(const ReportSystem& system, const QString& text) = 0;
    virtual void hideStatus() = 0;
};
