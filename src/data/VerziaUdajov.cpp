#include "VerziaUdajov.h"

#include "Connection.h"

#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

bool VerziaUdajov::jeVedena(Connection& spojenie) {
    QSqlQuery najdena = spojenie.execute(u"SELECT TABLE_NAME FROM information_schema.TABLES "
                                         u"WHERE TABLE_SCHEMA = database() AND TABLE_NAME = "
                                         u":Tabulka"_s,
                                         {{u"Tabulka"_s, tabulka}});
    return najdena.next();
}

void VerziaUdajov::zvys(Connection& spojenie) {
    if (jeVedena(spojenie))
        spojenie.execute(zvysenie);
}
