#pragma once

#include "engine/model/PageModel.h"
#include "engine/model/ReportDestination.h"
#include "engine/model/ReportFrontEnd.h"

#include <QStringList>
#include <memory>
#include <vector>

/// A front end that answers the setup dialog as the test says and keeps what the runs
/// delivered and the status texts they showed.
class RecordingFrontEnd : public ReportFrontEnd {
public:
    bool cancel = false;
    int setupsShown = 0;
    QStringList statusTexts;
    int statusHidden = 0;
    std::vector<PageModel> runs;
    QStringList titles; ///< the title each setup was offered

    std::unique_ptr<ReportDestination> chooseDestination(const ReportSystem&,
                                                         const QString& title) override {
        ++setupsShown;
        titles << title;
        if (cancel)
            return nullptr;
        return std::make_unique<Collector>(runs);
    }
    void showStatus(const ReportSystem&, const QString& text) override { statusTexts << text; }
    void hideStatus() override { ++statusHidden; }

private:
    class Collector : public ReportDestination {
    public:
        explicit Collector(std::vector<PageModel>& runs)
            : m_runs(runs) {}
        void deliver(const PageModel& pages) override { m_runs.push_back(pages); }

    private:
        std::vector<PageModel>& m_runs;
    };
};
