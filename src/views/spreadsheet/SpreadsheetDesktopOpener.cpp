#include "SpreadsheetDesktopOpener.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int queryTimeoutMs = 3000;

/// xdg-open starts happily for a file no program can show and the user then sees nothing, so
/// the association is asked for first where the desktop can tell.
bool desktopKnowsProgramFor(const QString& file) {
    const QString xdgMime = QStandardPaths::findExecutable(u"xdg-mime"_s);
    if (xdgMime.isEmpty())
        return true;
    QProcess query;
    query.start(xdgMime, {u"query"_s, u"default"_s, QMimeDatabase().mimeTypeForFile(file).name()});
    if (!query.waitForFinished(queryTimeoutMs))
        return false;
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool SpreadsheetDesktopOpener::open(const QString& file) {
    return desktopKnowsProgramFor(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}
