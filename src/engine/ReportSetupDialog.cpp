#include "ReportSetupDialog.h"

#include "engine/model/ReportSystem.h"
#include "widgets/DialogService.h"
#include "widgets/GuardedHandler.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

QString suffixOf(const FileFormat& format) {
    return QString::fromLatin1(format.pattern).mid(1);
}
} // namespace

ReportSetupDialog::ReportSetupDialog(const ReportSystem& system, QWidget* parent)
    : QDialog(parent)
    , m_printer(new QRadioButton(u"&Tlačiareň"_s))
    , m_preview(new QRadioButton(u"&Náhľad"_s))
    , m_file(new QRadioButton(u"&Súbor"_s))
    , m_format(new QComboBox)
    , m_fileName(new QLineEdit)
    , m_fileBox(new QWidget)
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
    setObjectName(u"ReportSetupDialog"_s);
    setWindowTitle(system.setupTitle());
    m_printer->setObjectName(u"RadioButtonPrinter"_s);
    m_preview->setObjectName(u"RadioButtonPreview"_s);
    m_file->setObjectName(u"RadioButtonFile"_s);
    m_format->setObjectName(u"ComboBoxFormat"_s);
    m_fileName->setObjectName(u"EditFileName"_s);
    m_buttons->setObjectName(u"ButtonBox"_s);
    m_preview->setChecked(true);

    for (const FileFormat& format : fileFormats)
        m_format->addItem(
            u"%1 (%2)"_s.arg(QLatin1String(format.name), QLatin1String(format.pattern)),
            static_cast<int>(format.format));
    m_fileName->setText(QDir::home().filePath(u"zostava"_s + suffixOf(fileFormats[0])));
    auto* browse = new QPushButton(u"&Prehľadávať…"_s);
    browse->setObjectName(u"ButtonBrowse"_s);

    auto* fileLayout = new QVBoxLayout(m_fileBox);
    fileLayout->setContentsMargins(20, 0, 0, 0);
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(new QLabel(u"Formát:"_s));
    formatRow->addWidget(m_format, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_fileName, 1);
    nameRow->addWidget(browse);
    fileLayout->addLayout(formatRow);
    fileLayout->addLayout(nameRow);

    auto* destinationBox = new QGroupBox(u"Cieľ"_s);
    auto* destinationLayout = new QVBoxLayout(destinationBox);
    destinationLayout->addWidget(m_printer);
    destinationLayout->addWidget(m_preview);
    destinationLayout->addWidget(m_file);
    destinationLayout->addWidget(m_fileBox);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(destinationBox);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, guarded(this, &ReportSetupDialog::browse));
    connect(m_format, &QComboBox::currentIndexChanged, this, &ReportSetupDialog::formatChanged);
    for (QRadioButton* button : {m_printer, m_preview, m_file})
        connect(button, &QRadioButton::toggled, this, &ReportSetupDialog::updateState);
    connect(m_fileName, &QLineEdit::textChanged, this, &ReportSetupDialog::updateState);
    updateState();
}

ReportSetupDialog::Destination ReportSetupDialog::destination() const {
    if (m_printer->isChecked())
        return Destination::Printer;
    return m_file->isChecked() ? Destination::File : Destination::Preview;
}

FileDestination::Format ReportSetupDialog::fileFormat() const {
    return static_cast<FileDestination::Format>(m_format->currentData().toInt());
}

QString ReportSetupDialog::fileName() const {
    return m_fileName->text().trimmed();
}

void ReportSetupDialog::browse() {
    const FileFormat& format = fileFormats[m_format->currentIndex()];
    FileDialogRequest request;
    request.objectName = u"ReportFileDialog"_s;
    request.title = windowTitle();
    request.directory = QFileInfo(fileName()).absolutePath();
    request.fileName = fileName();
    request.filter = u"%1 (%2)"_s.arg(QLatin1String(format.name), QLatin1String(format.pattern));
    request.defaultSuffix = suffixOf(format).mid(1);
    const QString chosen = DialogService::instance().saveFileName(request);
    if (!chosen.isEmpty())
        m_fileName->setText(chosen);
}

void ReportSetupDialog::formatChanged() {
    const QFileInfo info(fileName());
    if (info.fileName().isEmpty())
        return;
    m_fileName->setText(info.dir().filePath(info.completeBaseName() +
                                            suffixOf(fileFormats[m_format->currentIndex()])));
}

void ReportSetupDialog::updateState() {
    m_fileBox->setEnabled(m_file->isChecked());
    m_buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(!m_file->isChecked() || !fileName().isEmpty());
}
