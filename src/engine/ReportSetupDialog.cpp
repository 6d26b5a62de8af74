#include "ReportSetupDialog.h"

#include "engine/model/ReportSystem.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {
struct FileFormat {
    FileDestination::Format format;
    const char* name;
    const char* pattern;
};
const FileFormat fileFormats[] = {
    {FileDestination::Format::Pdf, "Adobe Acrobat (PDF)", "*.pdf"},
    {FileDestination::Format::Rtf, "Rich Text Format (RTF)", "*.rtf"},
};

} // namespace

ReportSetupDialog::ReportSetupDialog(const ReportSystem& system, QWidget* parent)
    : QDialog(parent)
    , m_printer(new QRadioButton(u"&Tlačiareň"_s))
    , m_preview(new QRadioButton(u"&Náhľad"_s))
    , m_file(new QRadioButton(u"&Súbor"_s))
    , m_format(new QComboBox) {
    setObjectName(u"ReportSetupDialog"_s);
    setWindowTitle(system.setupTitle());
    m_printer->setObjectName(u"RadioButtonPrinter"_s);
    m_preview->setObjectName(u"RadioButtonPreview"_s);
    m_file->setObjectName(u"RadioButtonFile"_s);
    m_format->setObjectName(u"ComboBoxFormat"_s);
    m_preview->setChecked(true);
    for (const FileFormat& format : fileFormats)
        m_format->addItem(
            u"%1 (%2)"_s.arg(QLatin1String(format.name), QLatin1String(format.pattern)),
            static_cast<int>(format.format));

    auto* formatBox = new QWidget;
    auto* formatRow = new QHBoxLayout(formatBox);
    formatRow->setContentsMargins(20, 0, 0, 0);
    auto* formatLabel = new QLabel(u"&Formát:"_s);
    formatLabel->setBuddy(m_format);
    formatRow->addWidget(formatLabel);
    formatRow->addWidget(m_format, 1);

    auto* destinationBox = new QGroupBox(u"Cieľ"_s);
    auto* destinationLayout = new QVBoxLayout(destinationBox);
    destinationLayout->addWidget(m_printer);
    destinationLayout->addWidget(m_preview);
    destinationLayout->addWidget(m_file);
    destinationLayout->addWidget(formatBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(u"ButtonBox"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(destinationBox);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    formatBox->setEnabled(false);
    connect(m_file, &QRadioButton::toggled, formatBox, &QWidget::setEnabled);
}

ReportSetupDialog::Destination ReportSetupDialog::destination() const {
    if (m_printer->isChecked())
        return Destination::Printer;
    return m_file->isChecked() ? Destination::File : Destination::Preview;
}

FileDestination::Format ReportSetupDialog::fileFormat() const {
    return static_cast<FileDestination::Format>(m_format->currentData().toInt());
}

QString ReportSetupDialog::fileSuffix() const {
    return QLatin1String(fileFormats[m_format->currentIndex()].pattern).mid(2);
}

QString ReportSetupDialog::fileFilter() const {
    return m_format->currentText();
}
