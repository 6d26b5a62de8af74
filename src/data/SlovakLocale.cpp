#include "SlovakLocale.h"

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
    return true;
}

QString SlovakLocale::count(int n, const QString& one, const QString& twoToFour,
                            const QString& many) {
    return QString::number(n) + u' ' + (n == 1 ? one : n >= 2 && n <= 4 ? twoToFour : many);
}
