#include "PriecinokZostav.h"

#include "data/ConfigFile.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

QString PriecinokZostav::cesta() {
    // A relative folder counts from the program, not from wherever it was started.
    const QDir program(QCoreApplication::applicationDirPath());
    const QString nastavena = ConfigFile::read(ConfigFile::aplikacia, kluc);
    return QDir::cleanPath(
        program.absoluteFilePath(nastavena.isEmpty() ? u"reports"_s : nastavena));
}

QString PriecinokZostav::subor(const QString& meno) {
    return QDir(cesta()).filePath(meno);
}
