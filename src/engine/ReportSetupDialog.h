#pragma once

#include "engine/model/FileDestination.h"

#include <QDialog>

class QComboBox;
class QRadioButton;
class ReportSystem;

/// The setup dialog offered before a report runs: the destination (printer, preview
/// preselected, or a file in one of the file formats, named afterwards in a save dialog).
class ReportSetupDialog : public QDialog {
    Q_OBJECT
public:
    enum class Destination { Printer, Preview, File };

    explicit ReportSetupDialog(const ReportSystem& system, QWidget* parent = nullptr);

    Destination destination() const;
    FileDestination::Format fileFormat() const;
    /// The chosen file format's suffix, without the dot ("pdf").
    QString fileSuffix() const;
    /// The chosen file format as a file dialog's filter.
    QString fileFilter() const;

private:
    QRadioButton* m_printer;
    QRadioButton* m_preview;
    QRadioButton* m_file;
    QComboBox* m_format;
};
