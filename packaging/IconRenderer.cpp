// tarvelin-icon-renderer: draws the program's icon into the layout of the desktop's icon theme,
// a PNG for every size and the scalable SVG, with the code that draws the window's icon, so
// that the menu and the window show the same picture. A build helper; not installed.

#include "app/art/ProgramIcon.h"
#include "data/CheckedSave.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString iconName = u"tarvelin"_s;

/// Writes the whole file or nothing; an empty text on success, otherwise the reason.
QString save(const QString& path, const QByteArray& contents) {
    if (!QDir().mkpath(QFileInfo(path).path()))
        return u"Priečinok pre %1 sa nedá vytvoriť."_s.arg(path);
    const QString problem = CheckedSave::writeWhole(path, contents);
    return problem.isEmpty() ? QString() : u"%1: %2"_s.arg(path, problem);
}

QByteArray png(int size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ProgramIcon::image(size).save(&buffer, "PNG");
    return bytes;
}

QByteArray svg() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize({ProgramIcon::Canvas, ProgramIcon::Canvas});
    generator.setViewBox(QRect(0, 0, ProgramIcon::Canvas, ProgramIcon::Canvas));
    generator.setTitle(u"Tarvelin"_s);
    QPainter painter(&generator);
    painter.setRenderHint(QPainter::Antialiasing);
    ProgramIcon::paint(painter);
    painter.end();
    return bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        err << u"Použitie: tarvelin-icon-renderer <priečinok témy ikon>"_s << Qt::endl;
        return 2;
    }
    // The folder is this helper's alone: a size dropped from the list must not stay behind.
    QDir folder(arguments[1]);
    if (folder.exists() && !folder.removeRecursively()) {
        err << u"Priečinok %1 sa nedá vyprázdniť."_s.arg(folder.path()) << Qt::endl;
        return 1;
    }
    QStringList problems;
    for (const int size : ProgramIcon::Sizes)
        problems << save(folder.filePath(u"%1x%1/apps/%2.png"_s.arg(size).arg(iconName)),
                         png(size));
    problems << save(folder.filePath(u"scalable/apps/%1.svg"_s.arg(iconName)), svg());
    problems.removeAll(QString());
    for (const QString& problem : std::as_const(problems))
        err << problem << Qt::endl;
    return problems.isEmpty() ? 0 : 1;
}
