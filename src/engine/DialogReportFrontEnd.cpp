#include "DialogReportFrontEnd.h"

#include "PreviewDestination.h"
#include "PrinterDestination.h"
#include "ReportSetupDialog.h"
#include "ReportStatusWindow.h"
#include "SavedFileDestination.h"
#include "engine/model/ReportSystem.h"
#include "widgets/DialogService.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

DialogReportFrontEnd::DialogReportFrontEnd() = default;
DialogReportFrontEnd::~DialogReportFrontEnd() = default;

std::unique_ptr<ReportDestination>
DialogReportFrontEnd::chooseDestination(const ReportSystem& system, const QString& title) {
    ReportSetupDialog dialog(system, QApplication::activeWindow());
    if (DialogService::instance().showModal(dialog) != QDialog::Accepted)
        return nullptr;
    switch (dialog.destination()) {
    case ReportSetupDialog::Destination::Printer:
        return std::make_unique<PrinterDestination>(system, this);
    case ReportSetupDialog::Destination::Preview:
        return std::make_unique<PreviewDestination>(system, this);
    case ReportSetupDialog::Destination::File: {
        const QString file = chooseFile(dialog, title);
        if (file.isEmpty())
            return nullptr;
        return std::make_unique<SavedFileDestination>(dialog.fileFormat(), file);
    }
    }
    return nullptr;
}

QString DialogReportFrontEnd::fileNameOf(const QString& title) {
    QString name = title;
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control || u"/\\:*?\"<>|"_s.contains(c))
            c = u'_';
    name = name.simplified();
    return name.isEmpty() ? u"zostava"_s : name;
}

QString DialogReportFrontEnd::chooseFile(const ReportSetupDialog& setup, const QString& title) {
    // The user's documents, or the home folder where there are none.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    FileDialogRequest request;
    request.objectName = u"ReportFileDialog"_s;
    request.title = u"Uložiť zostavu do súboru"_s;
    request.directory = folder;
    request.fileName = QDir(folder).filePath(fileNameOf(title) + u'.' + setup.fileSuffix());
    request.filter = setup.fileFilter();
    request.defaultSuffix = setup.fileSuffix();
    // Replacing a file is confirmed here, in the program's words.
    request.confirmOverwrite = false;
    DialogService& dialogs = DialogService::instance();
    for (;;) {
        const QString chosen = dialogs.saveFileName(request);
        if (chosen.isEmpty() || !QFileInfo::exists(chosen) ||
            dialogs.confirm(
                u"Súbor %1 už existuje.\nNahradiť ho?"_s.arg(QDir::toNativeSeparators(chosen))))
            return chosen;
        request.directory = QFileInfo(chosen).absolutePath();
        request.fileName = chosen;
    }
}

void DialogReportFrontEnd::showStatus(const ReportSystem& system, const QString& text) {
    if (!m_status)
        m_status = std::make_unique<ReportStatusWindow>(QApplication::activeWindow());
    m_status->showText(system.statusTitle(), text);
}

void DialogReportFrontEnd::hideStatus() {
    m_status.reset();
}
