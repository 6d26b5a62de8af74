#include "SlovakLocale.h"

#include "ProgramFiles.h"
#include "QtButtonTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

bool SlovakLocale::install(QCoreApplication& application) {
    QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
    auto* translator = new QTranslator(&application);
    if (!translator->load(u"qtbase_sk"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    QCoreApplication::installTranslator(new QtButtonTexts(translator, &application));
    // Installed last, so asked first: it words what Qt's catalogue leaves English.
    auto* own = new QTranslator(&application);
    if (own->load(u"tarvelin_sk"_s, ProgramFiles::ofProgram().path(u"translations"_s)))
        QCoreApplication::installTranslator(own);
    else
        delete own;
    return true;
}

QString SlovakLocale::count(int n, const QString& one, const QString& twoToFour,
                            const QString& many) {
    return QString::number(n) + u' ' + (n == 1 ? one : n >= 2 && n <= 4 ? twoToFour : many);
}
