#include "ReportFileDialog.h"

#include "widgets/DialogService.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

QString ReportFileDialog::fileNameOf(const QString& title) {
    QString name = title;
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control || u"/\\:*?\"<>|"_s.contains(c))
            c = u'_';
    name = name.simplified();
    return name.isEmpty() ? u"zostava"_s : name;
}

QString ReportFileDialog::choose(const QString& title, const QString& filter,
                                 const QString& suffix) {
    // The user's documents, or the home folder where there are none.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    FileDialogRequest request;
    request.objectName = u"ReportFileDialog"_s;
    request.title = u"Uložiť zostavu do súboru"_s;
    request.directory = folder;
    request.fileName = QDir(folder).filePath(fileNameOf(title) + u'.' + suffix);
    request.filter = filter;
    request.defaultSuffix = suffix;
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
