#include "SaveFileChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

QString SaveFileChoice::fileNameOf(const QString& title) {
    QString name = title;
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control || u"/\\:*?\"<>|"_s.contains(c))
            c = u'_';
    name = name.simplified();
    return name.isEmpty() ? u"zostava"_s : name;
}

QString SaveFileChoice::choose(FileDialogRequest request, const QString& title) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    request.directory = folder;
    request.fileName = QDir(folder).filePath(fileNameOf(title) + u'.' + request.defaultSuffix);
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
