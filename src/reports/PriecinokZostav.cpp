#include "PriecinokZostav.h"

#include "data/ConfigFile.h"
#include "data/ProgramFiles.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

QString PriecinokZostav::cesta() {
    const QString nastavena = ConfigFile::read(ConfigFile::aplikacia, kluc);
    if (nastavena.isEmpty())
        return ProgramFiles::ofProgram().path(u"reports"_s);
    // A relative folder counts from the file that names it, not from wherever the program was
    // started (in the build folder that is the program's own folder).
    return QDir::cleanPath(QDir(ConfigFile::folder()).absoluteFilePath(nastavena));
}

QString PriecinokZostav::subor(const QString& meno) {
    return QDir(cesta()).filePath(meno);
}
