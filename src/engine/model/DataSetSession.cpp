#include "DataSetSession.h"

#include "ReportDataSet.h"

DataSetSession::DataSetSession(const std::vector<ReportDataSet*>& dataSets) {
    try {
        for (ReportDataSet* set : dataSets) {
            if (set->isOpen()) {
                m_currentRows.emplace_back(set, set->currentRow());
            } else {
                set->open();
                m_opened.push_back(set);
                set->setCurrentRow(set->rowCount() > 0 ? 0 : -1);
            }
        }
    } catch (...) {
        restore();
        throw;
    }
}

DataSetSession::~DataSetSession() {
    restore();
}

void DataSetSession::restore() noexcept {
    for (auto& [set, row] : m_currentRows)
        set->setCurrentRow(row);
    // Closing a set that read its rows into memory does not fail; a failure here must not
    // replace the error that may be ending the run.
    for (ReportDataSet* set : m_opened) {
        try {
            set->close();
        } catch (...) {
        }
    }
    m_currentRows.clear();
    m_opened.clear();
}
