#include "AktualizaciaUniverzalnejZostavy.h"

#include "PrikazyPripravy.h"
#include "PripravaZostav.h"
#include "RetazecKontrol.h"
#include "TDataModuleTabulky.h"
#include "ZamokVyberu.h"
#include "data/Connection.h"

#include <QRegularExpression>
#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

namespace {

// The statement names the relations it reads with the database they are in, written for the
// database wtarvelinhd; the program's database may bear another name.
const QString uzitKrav =
    u"create table UzitKrav SELECT t.chovatel, t.usnecislo, k.linia, k.register, k.matka, "
    u"t.medziobdobie, t.datumotelenia, t.max_poradie, t.max_mlieko, t.max_tuk, "
    u"round(t.max_tuk_perc,2) as max_tuk_perc, t.max_bielkovina, "
    u"round(t.max_bielkovina_perc,2) as max_bielkovina_perc, t.pred_poradie, t.pred_dni_norm, "
    u"t.pred_mlieko_norm, round(t.pred_tuk_norm,2) as  pred_tuk_norm, "
    u"round(t.pred_tuk_perc,2) as pred_tuk_perc, round(t.pred_bielkovina_norm,2) as "
    u"pred_bielkovina_norm, round(t.pred_bielkovina_perc,2) as pred_bielkovina_perc, "
    u"t.posl_poradie, t.posl_dni_norm, t.posl_mlieko_norm, round(t.posl_tuk_norm,2) as "
    u"posl_tuk_norm, round(t.posl_tuk_perc,2) as posl_tuk_perc, "
    u"round(t.posl_bielkovina_norm,2) as posl_bielkovina_norm, "
    u"round(t.posl_bielkovina_perc,2) as posl_bielkovina_perc, t.preb_poradie, t.preb_dni, "
    u"t.preb_mlieko_celk, round(t.preb_tuk_celk,2) as preb_tuk_celk, round(t.preb_tuk_perc,2) "
    u"as preb_tuk_perc, round(t.preb_bielkovina_celk,2) as preb_bielkovina_celk, "
    u"round(t.preb_bielkovina_perc,2) as preb_bielkovina_perc, p.vekot, round(p.M100,2) as "
    u"M100, round(p.T100,2) T100, round(p.percT100,2) as percT100, round(p.B100,2) B100, "
    u"round(p.percB100,2) as percB100, round(p.M200,2) as M200, round(p.T200,2) T200, "
    u"round(p.percT200,2) as percT200, round(p.B200,2) B200, round(p.percB200,2) as percB200, "
    u"round(p.M305,2) as M305, round(p.T305,2) T305, round(p.percT305,2) as percT305, "
    u"round(p.B305,2) B305, round(p.percB305,2) as percB305, m.pocet_laktacii as "
    u"MatkaPocetL,m. mlieko_priem as MatkaMliekoPriem, m.tuk_priem_kg as MatkaTukPriem, "
    u"m.bielkovina_priem_kg as MatkaBielPriem, m.por_max_laktacie as MatkaPorMaxL, m. "
    u"mlieko_max as MatkaMliekoMax, m.tuk_max as MatkaTukMax, m.bielkovina_max as "
    u"MatkaBielMax, v.pocet_laktacii as VyrMatkaPocetL, v. mlieko_priem as "
    u"VyrMatkaMliekoPriem, v.tuk_priem_kg as VyrMatkaTukPriem, v.bielkovina_priem_kg as "
    u"VyrMatkaBielPriem, v.por_max_laktacie as VyrMatkaPorMaxL, v. mlieko_max as "
    u"VyrMatkaMliekoMax, v.tuk_max as VyrMatkaTukMax, v.bielkovina_max as VyrMatkaBielMax "
    u"FROM wtarvelinhd.tab153v2 t left join wtarvelinhd.kravy_view k on t.usnecislo = "
    u"k.usnecislo left join wtarvelinhd.kravy_view m on k.matka = m.usnecislo left join "
    u"wtarvelinhd.vyradene_kravy_view v on k.matka = v.usnecislo left join "
    u"wtarvelinhd.tab180v1zaver8 p on t.krava_id = p.krava_id; "_s;

QString identifikator(const QString& nazov) {
    static const QRegularExpression obycajny(u"^[A-Za-z_][A-Za-z0-9_]*$"_s);
    if (obycajny.match(nazov).hasMatch())
        return nazov;
    return u'`' + QString(nazov).replace(u'`', u"``"_s) + u'`';
}

} // namespace

AktualizaciaUniverzalnejZostavy::AktualizaciaUniverzalnejZostavy(TDataModuleTabulky& tabulky,
                                                                 StavZostav& stav)
    : m_tabulky(tabulky)
    , m_stav(stav) {}

QStringList AktualizaciaUniverzalnejZostavy::prikazy(const QString& databaza) {
    QStringList prikazy = RetazecKontrol::prikazy(RetazecKontrol::Laktacie::Vsetky);
    prikazy << u"DROP table if exists UzitKrav ; "_s
            << QString(uzitKrav).replace(u" wtarvelinhd."_s, u' ' + identifikator(databaza) + u'.');
    return prikazy;
}

void AktualizaciaUniverzalnejZostavy::aktualizuj() {
    Connection& spojenie = *m_tabulky.connection();
    // The chain reads the selection from the parameter row, UzitKrav the chain and the roll of
    // the selection's cows; another report writing its own selection in between would mix them.
    const QString praca = u"Aktualizácia dát pre univerzálnu zostavu"_s;
    ZamokVyberu zamok(spojenie, praca);
    PripravaZostav(m_tabulky, m_stav, praca).PripravParametre();
    PrikazyPripravy::posli(*m_tabulky.ADOCommandParametre, prikazy(spojenie.settings().database),
                           m_priebeh);
}
