#include "AktualizaciaDat.h"

#include "ConfigFile.h"
#include "Connection.h"

#include <QLocale>
#include <QSqlQuery>

void AktualizaciaDat::zapisImport(const QDate& den) {
    ConfigFile::write(ConfigFile::aplikacia, kluc, text(den));
}

QString AktualizaciaDat::poslednaKontrola(Connection& spojenie) {
    QSqlQuery posledna = spojenie.execute(u"SELECT MAX(datum) FROM kontroly"_s);
    const QDate den = posledna.next() ? posledna.value(0).toDate() : QDate();
    return den.isValid() ? text(den) : u"bez kontrol"_s;
}

QString AktualizaciaDat::text(const QDate& den) {
    return QLocale().toString(den, QLocale::ShortFormat);
}
