#pragma once

#include "engine/model/FileDestination.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QRadioButton;
class ReportSystem;

/// The setup dialog offered before a report runs: the destination (printer, preview
/// preselected, or a file in one of the file formats) and the file's name.
class ReportSetupDialog : public QDialog {
    Q_OBJECT
public:
    enum class Destination { Printer, Preview, File };

    explicit ReportSetupDialog(const ReportSystem& system, QWidget* parent = nullptr);

    Destination destination() const;
    FileDestination::Format fileFormat() const;
    QString fileName() const;

private:
    void browse();
    void formatChanged();
    void updateState();

    QRadioButton* m_printer;
    QRadioButton* m_preview;
    QRadioButton* m_file;
    QComboBox* m_format;
    QLineEdit* m_fileName;
    QWidget* m_fileBox;
    QDialogButtonBox* m_buttons;
};
