#pragma once

#include <vector>

class ReportDataSet;

/// Opens the closed data sets a run reads and, when the run ends, closes them again; sets that
/// were open keep their state and get their current row back.
class DataSetSession {
public:
    /// Throws whatever opening a set throws; the sets opened before are closed again.
    explicit DataSetSession(const std::vector<ReportDataSet*>& dataSets);
    ~DataSetSession();
    DataSetSession(const DataSetSession&) = delete;
    DataSetSession& operator=(const DataSetSession&) = delete;

private:
    void restore() noexcept;

    std::vector<ReportDataSet*> m_opened;
    std::vector<std::pair<ReportDataSet*, int>> m_currentRows;
};
