#include "PrijateUdaje.h"

#include "data/BulkInsert.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct Tabulka {
    const char* nazov;
    const char* stlpce; ///< after i (the resource's index) and riadok (its line)
    const char* kluce;
};

// Texts compare with the database's own columns, so they share its collation.
const Tabulka kTabulky[] = {
    {"vymena_lokality",
     "kod VARCHAR(9) NOT NULL, nazov VARCHAR(50) NULL, obec VARCHAR(40) NULL, "
     "ustajnenie CHAR(1) NULL",
     "KEY (kod)"},
    {"vymena_zvierata",
     "usnecislo VARCHAR(14) NOT NULL, pohlavie CHAR(1) NOT NULL, datumnarodenia DATE NULL, "
     "meno VARCHAR(40) NULL, plemeno CHAR(2) NULL, farba CHAR(2) NULL, kniha VARCHAR(5) NULL, "
     "typ CHAR(2) NULL, chov_narodenia VARCHAR(20) NULL, import SMALLINT NULL, et SMALLINT NULL, "
     "chovatel VARCHAR(9) NULL, otec VARCHAR(14) NULL, matka VARCHAR(14) NULL, "
     "vlozene DATETIME NULL, zmenene DATETIME NULL, "
     "plemeno1 CHAR(2) NULL, krv1 DECIMAL(5,1) NULL, plemeno2 CHAR(2) NULL, krv2 DECIMAL(5,1) "
     "NULL, "
     "plemeno3 CHAR(2) NULL, krv3 DECIMAL(5,1) NULL, plemeno4 CHAR(2) NULL, krv4 DECIMAL(5,1) "
     "NULL, "
     "plemeno5 CHAR(2) NULL, krv5 DECIMAL(5,1) NULL, "
     "krava SMALLINT NOT NULL, plemenna SMALLINT NULL, datumzaradenia DATE NULL, skupina CHAR(2) "
     "NULL, mb CHAR(1) NULL, zdravotna_trieda CHAR(1) NULL, trieda_uzitkovosti CHAR(3) NULL, "
     "byk SMALLINT NOT NULL, linia CHAR(3) NULL, register VARCHAR(3) NULL, hb_cislo VARCHAR(12) "
     "NULL, inseminacny CHAR(1) NULL, byk_vyradenie DATE NULL, "
     "jalovica SMALLINT NOT NULL, stav CHAR(1) NULL, datum_inseminacie DATE NULL, "
     "byk_inseminacie VARCHAR(14) NULL, hmotnost DOUBLE NULL, datum_vazenia DATE NULL",
     "KEY (usnecislo)"},
    {"vymena_narodenia",
     "usnecislo VARCHAR(14) NOT NULL, datum DATE NOT NULL, chov VARCHAR(9) NULL",
     "KEY (usnecislo)"},
    {"vymena_prichody",
     "usnecislo VARCHAR(14) NOT NULL, datum DATE NOT NULL, lokalita VARCHAR(9) NULL, "
     "dovezene SMALLINT NOT NULL",
     "KEY (usnecislo, datum)"},
    {"vymena_odchody",
     "usnecislo VARCHAR(14) NOT NULL, datum DATE NOT NULL, lokalita VARCHAR(9) NULL, "
     "dovod CHAR(2) NOT NULL, umrtie SMALLINT NOT NULL, uhyn SMALLINT NOT NULL",
     "KEY (usnecislo)"},
    {"vymena_otelenia",
     "usnecislo VARCHAR(14) NOT NULL, datum DATE NOT NULL, poradie SMALLINT NULL, "
     "lokalita VARCHAR(9) NULL, priebeh CHAR(1) NULL, hmotnost DOUBLE NULL",
     "KEY (usnecislo, datum)"},
    {"vymena_potomstvo", "usnecislo VARCHAR(14) NOT NULL", "KEY (usnecislo)"},
    {"vymena_zasusenia", "usnecislo VARCHAR(14) NOT NULL, datum DATE NOT NULL",
     "KEY (usnecislo, datum)"},
    {"vymena_kontroly",
     "usnecislo VARCHAR(14) NOT NULL, datum DATE NOT NULL, lokalita VARCHAR(9) NULL, "
     "typ CHAR(1) NULL, denna_doba CHAR(1) NULL, interval_kontroly CHAR(1) NULL, "
     "mlieko DOUBLE NULL, tuk_perc DOUBLE NULL, bielkovina_perc DOUBLE NULL, "
     "laktoza_perc DOUBLE NULL, bun_elementy DOUBLE NULL, mocovina DOUBLE NULL, "
     "skupina CHAR(2) NULL, prepocet SMALLINT NOT NULL, mlieko_prepocitane DOUBLE NULL, "
     "tuk_prepocitane DOUBLE NULL",
     "KEY (usnecislo, datum)"},
    {"vymena_laktacie",
     "usnecislo VARCHAR(14) NOT NULL, datumotelenia DATE NOT NULL, poradie SMALLINT NULL, "
     "normovana SMALLINT NOT NULL, dni SMALLINT NULL, mlieko DOUBLE NULL, tuk DOUBLE NULL, "
     "bielkovina DOUBLE NULL, laktoza DOUBLE NULL, ukoncenie DATE NULL, perzistencia DOUBLE NULL, "
     "index_laktacie DOUBLE NULL, sposob_ku CHAR(1) NULL",
     "KEY (usnecislo, datumotelenia, normovana)"},
    {"vymena_hodnoty",
     "usnecislo VARCHAR(14) NOT NULL, datum DATE NOT NULL, ph_mlieko DOUBLE NULL, "
     "ph_tuk_kg DOUBLE NULL, ph_tuk_perc DOUBLE NULL, ph_bielkovina_kg DOUBLE NULL, "
     "ph_bielkovina_perc DOUBLE NULL, ph_somaticke_bunky DOUBLE NULL, index_celkovy DOUBLE NULL, "
     "spolahlivost SMALLINT NULL",
     "KEY (usnecislo)"},
};

QStringList stlpce(const char* zoznam) {
    QStringList nazvy{u"i"_s, u"riadok"_s};
    for (const QString& stlpec : QString::fromLatin1(zoznam).split(u", "_s))
        nazvy << stlpec.section(u' ', 0, 0);
    return nazvy;
}

std::unique_ptr<BulkInsert> vlozenie(Connection& connection, const Tabulka& tabulka) {
    return std::make_unique<BulkInsert>(connection, QString::fromLatin1(tabulka.nazov),
                                        stlpce(tabulka.stlpce));
}

void miesto(BulkInsert& vlozenie, const MiestoClena& miesto) {
    vlozenie.row().integer(miesto.index).integer(miesto.riadok);
}

QString textAleboNull(const QString& text) {
    return text.isEmpty() ? QString() : text;
}

void volitelne(BulkInsert& vlozenie, const std::optional<bool>& hodnota) {
    if (hodnota)
        vlozenie.integer(*hodnota ? 1 : 0);
    else
        vlozenie.null();
}

void cas(BulkInsert& vlozenie, const QDateTime& hodnota) {
    if (hodnota.isValid())
        vlozenie.text(hodnota.toString(u"yyyy-MM-dd HH:mm:ss"_s));
    else
        vlozenie.null();
}

} // namespace

PrijateUdaje::PrijateUdaje(Connection& connection)
    : m_connection(connection) {
    for (const Tabulka& t : kTabulky)
        vytvorTabulku(m_connection, QString::fromLatin1(t.nazov),
                      u"i INT NOT NULL, riadok INT NOT NULL, %1, %2"_s.arg(
                          QString::fromLatin1(t.stlpce), QString::fromLatin1(t.kluce)));
    const auto vloz = [&](int index) {
        return vlozenie(m_connection, kTabulky[index]);
    };
    m_lokality = vloz(0);
    m_zvierata = vloz(1);
    m_narodenia = vloz(2);
    m_prichody = vloz(3);
    m_odchody = vloz(4);
    m_otelenia = vloz(5);
    m_potomstvo = vloz(6);
    m_zasusenia = vloz(7);
    m_kontroly = vloz(8);
    m_laktacie = vloz(9);
    m_hodnoty = vloz(10);
}

PrijateUdaje::~PrijateUdaje() = default;

void PrijateUdaje::vytvorTabulku(Connection& connection, const QString& nazov,
                                 const QString& definicia) {
    connection.executeDirect(u"DROP TEMPORARY TABLE IF EXISTS "_s + nazov);
    connection.executeDirect(u"CREATE TEMPORARY TABLE %1 (%2) DEFAULT CHARSET=utf8mb4 "
                             u"COLLATE=utf8mb4_unicode_ci"_s.arg(nazov, definicia));
}

QStringList PrijateUdaje::tabulky() {
    QStringList nazvy;
    for (const Tabulka& t : kTabulky)
        nazvy << QString::fromLatin1(t.nazov);
    return nazvy;
}

void PrijateUdaje::lokalita(const ZaznamLokality& z) {
    miesto(*m_lokality, z.miesto);
    m_lokality->text(z.kod)
        .text(textAleboNull(z.nazov))
        .text(textAleboNull(z.obec))
        .text(textAleboNull(z.ustajnenie));
}

void PrijateUdaje::zviera(const ZaznamZvierata& z) {
    BulkInsert& v = *m_zvierata;
    miesto(v, z.miesto);
    v.text(z.usneCislo).text(z.pohlavie).date(z.narodenie).text(textAleboNull(z.meno));
    v.text(textAleboNull(z.plemeno))
        .text(textAleboNull(z.farba))
        .text(textAleboNull(z.plemennaKniha))
        .text(textAleboNull(z.plemennyTyp))
        .text(textAleboNull(z.chovNarodenia));
    volitelne(v, z.dovezene);
    volitelne(v, z.et);
    v.text(textAleboNull(z.chovatel)).text(textAleboNull(z.otec)).text(textAleboNull(z.matka));
    cas(v, z.vlozene);
    cas(v, z.zmenene);
    for (size_t k = 0; k < 5; ++k) {
        if (k < z.krv.size())
            v.text(z.krv[k].plemeno).number(z.krv[k].percent);
        else
            v.null().null();
    }
    v.integer(z.krava ? 1 : 0);
    volitelne(v, z.plemenna);
    v.date(z.zaradenie)
        .text(textAleboNull(z.skupina))
        .text(textAleboNull(z.mb))
        .text(textAleboNull(z.zdravotnaTrieda))
        .text(textAleboNull(z.triedaUzitkovosti));
    v.integer(z.byk ? 1 : 0)
        .text(textAleboNull(z.linia))
        .text(textAleboNull(z.registerByka))
        .text(textAleboNull(z.hbCislo))
        .text(textAleboNull(z.inseminacny))
        .date(z.vyradenieByka);
    v.integer(z.jalovica ? 1 : 0)
        .text(textAleboNull(z.stav))
        .date(z.inseminacia)
        .text(textAleboNull(z.bykInseminacie))
        .number(z.hmotnost)
        .date(z.vazenie);
}

void PrijateUdaje::narodenie(const ZaznamNarodenia& z) {
    miesto(*m_narodenia, z.miesto);
    m_narodenia->text(z.usneCislo).date(z.datum).text(textAleboNull(z.chov));
}

void PrijateUdaje::prichod(const ZaznamPrichodu& z) {
    miesto(*m_prichody, z.miesto);
    m_prichody->text(z.usneCislo)
        .date(z.datum)
        .text(textAleboNull(z.lokalita))
        .integer(z.dovezene ? 1 : 0);
}

void PrijateUdaje::odchod(const ZaznamOdchodu& z) {
    miesto(*m_odchody, z.miesto);
    m_odchody->text(z.usneCislo)
        .date(z.datum)
        .text(textAleboNull(z.lokalita))
        .text(z.dovod)
        .integer(z.umrtie ? 1 : 0)
        .integer(z.uhyn ? 1 : 0);
}

void PrijateUdaje::otelenie(const ZaznamOtelenia& z) {
    miesto(*m_otelenia, z.miesto);
    m_otelenia->text(z.usneCislo).date(z.datum);
    if (z.poradie > 0)
        m_otelenia->integer(z.poradie);
    else
        m_otelenia->null();
    m_otelenia->text(textAleboNull(z.lokalita))
        .text(textAleboNull(z.priebeh))
        .number(z.hmotnostKravy);
    for (const QString& tela : z.potomstvo) {
        miesto(*m_potomstvo, z.miesto);
        m_potomstvo->text(tela);
    }
}

void PrijateUdaje::zasusenie(const ZaznamZasusenia& z) {
    miesto(*m_zasusenia, z.miesto);
    m_zasusenia->text(z.usneCislo).date(z.datum);
}

void PrijateUdaje::kontrola(const ZaznamKontroly& z) {
    m_poradieKontrol.kontrola(z.usneCislo, z.datum);
    BulkInsert& v = *m_kontroly;
    miesto(v, z.miesto);
    v.text(z.usneCislo)
        .date(z.datum)
        .text(textAleboNull(z.lokalita))
        .text(textAleboNull(z.typ))
        .text(textAleboNull(z.dennaDoba))
        .text(textAleboNull(z.interval));
    v.number(z.mlieko)
        .number(z.tukPerc)
        .number(z.bielkovinaPerc)
        .number(z.laktozaPerc)
        .number(z.bunky)
        .number(z.mocovina);
    v.text(textAleboNull(z.skupina))
        .integer(z.prepocet ? 1 : 0)
        .number(z.mliekoPrepocitane)
        .number(z.tukPrepocitany);
}

void PrijateUdaje::laktacia(const ZaznamLaktacie& z) {
    BulkInsert& v = *m_laktacie;
    miesto(v, z.miesto);
    v.text(z.usneCislo).date(z.otelenie);
    if (z.poradie > 0)
        v.integer(z.poradie);
    else
        v.null();
    v.integer(z.normovana ? 1 : 0);
    if (z.dni >= 0)
        v.integer(z.dni);
    else
        v.null();
    v.number(z.vynos.mlieko)
        .number(z.vynos.tuk)
        .number(z.vynos.bielkovina)
        .number(z.vynos.laktoza)
        .date(z.ukoncenie)
        .number(z.perzistencia)
        .number(z.index)
        .text(textAleboNull(z.sposob));
}

void PrijateUdaje::hodnoty(const ZaznamHodnot& z) {
    BulkInsert& v = *m_hodnoty;
    miesto(v, z.miesto);
    v.text(z.usneCislo)
        .date(z.datum)
        .number(z.mlieko)
        .number(z.tukKg)
        .number(z.tukPerc)
        .number(z.bielkovinaKg)
        .number(z.bielkovinaPerc)
        .number(z.bunky)
        .number(z.index);
    if (z.spolahlivost >= 0)
        v.integer(z.spolahlivost);
    else
        v.null();
}

void PrijateUdaje::dokonci() {
    for (BulkInsert* v : {m_lokality.get(), m_zvierata.get(), m_narodenia.get(), m_prichody.get(),
                          m_odchody.get(), m_otelenia.get(), m_potomstvo.get(), m_zasusenia.get(),
                          m_kontroly.get(), m_laktacie.get(), m_hodnoty.get()})
        v->finish();
}

void PrijateUdaje::zahod() {
    for (const Tabulka& t : kTabulky) {
        try {
            m_connection.executeDirect(u"DROP TEMPORARY TABLE IF EXISTS "_s +
                                       QString::fromLatin1(t.nazov));
        } catch (const DatabaseError&) {
            // The session is gone, and its tables with it.
        }
    }
}
