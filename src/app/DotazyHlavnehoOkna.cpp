#include "DotazyHlavnehoOkna.h"

#include "data/Command.h"

using namespace Qt::Literals::StringLiterals;

void DotazyHlavnehoOkna::prebudujLaktela(Command& parametre) {
    parametre.setCommandText(u"DROP TABLE IF EXISTS laktela;"_s);
    parametre.execute();
    parametre.setCommandText(
        u"CREATE TABLE laktela (otec varchar(14) NULL, matka varchar(14) NULL)select  l.*, "
        u"j.usnecislo as usnecislotelata from jalovice_view j right join  laktacie_view l  on  "
        u"l.datumotelenia = j.datumnarodenia                                   and l.krava_id = "
        u"j.matka_id ; "_s);
    parametre.execute();
}
