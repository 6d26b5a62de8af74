#include "CitanieVymeny.h"

#include "KodyVymeny.h"
#include "ZaznamyVymeny.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::Literals::StringLiterals;
using KodyVymeny::Zbierka;

namespace {

constexpr int kNajviacPlemien = 5;

/// Checked for every test day, where a regular expression cost a tenth of the reading.
bool lenCislice(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString schema(const PoleVymeny& identifikator) {
    return identifikator["scheme"].text();
}

/// An animal's ear number under the scheme eu.bovine, without the spaces some write it with.
QString usneCislo(const PoleVymeny& identifikator) {
    const QString sch = schema(identifikator);
    if (sch != QLatin1String(KodyVymeny::kUsneCislo))
        identifikator["scheme"].odmietni(
            u"zviera je označené v schéme „%1“, program pozná len ušné čísla „%2“"_s.arg(
                sch, QLatin1String(KodyVymeny::kUsneCislo)));
    const PoleVymeny id = identifikator["id"];
    QString cislo = id.text();
    cislo.remove(u' ');
    const bool krajina = cislo.size() == 14 && cislo[0] >= u'A' && cislo[0] <= u'Z' &&
                         cislo[1] >= u'A' && cislo[1] <= u'Z';
    if (!krajina || !lenCislice(QStringView(cislo).mid(2)))
        id.odmietni(u"ušné číslo „%1“ nemá tvar dvoch písmen krajiny a 12 číslic"_s.arg(id.text()));
    return cislo;
}

std::optional<QString> usneCisloAk(const PoleVymeny& identifikator) {
    if (!identifikator.existuje())
        return std::nullopt;
    return usneCislo(identifikator);
}

/// A location's code: 6 digits an enterprise, 8 a herd, 9 a barn; `dlzky` those allowed here.
QString kodLokality(const PoleVymeny& identifikator, std::initializer_list<int> dlzky = {6, 8, 9}) {
    const QString sch = schema(identifikator);
    if (sch != QLatin1String(KodyVymeny::kChovatel))
        identifikator["scheme"].odmietni(
            u"lokalita je označená v schéme „%1“, program pozná len kódy „%2“"_s.arg(
                sch, QLatin1String(KodyVymeny::kChovatel)));
    const PoleVymeny id = identifikator["id"];
    const QString kod = id.text();
    if (!lenCislice(kod) || std::find(dlzky.begin(), dlzky.end(), int(kod.size())) == dlzky.end()) {
        QStringList moznosti;
        for (int d : dlzky)
            moznosti << (d == 6   ? u"podnik (6 číslic)"_s
                         : d == 8 ? u"chov (8 číslic)"_s
                                  : u"maštaľ (9 číslic)"_s);
        id.odmietni(u"kód „%1“ nie je %2"_s.arg(kod, moznosti.join(u" ani "_s)));
    }
    return kod;
}

QString kodLokalityAk(const PoleVymeny& identifikator,
                      std::initializer_list<int> dlzky = {6, 8, 9}) {
    return identifikator.existuje() ? kodLokality(identifikator, dlzky) : QString();
}

/// A code of the program's code lists under its scheme.
QString kodVSchemne(const PoleVymeny& identifikator, const char* ocakavana, int dlzka) {
    const QString sch = schema(identifikator);
    if (sch != QLatin1String(ocakavana))
        identifikator["scheme"].odmietni(
            u"schéma „%1“ sa nepozná (očakáva sa „%2“)"_s.arg(sch, QLatin1String(ocakavana)));
    return identifikator["id"].text(dlzka);
}

double nezaporne(const PoleVymeny& pole, double hodnota, const QString& coJe) {
    if (hodnota < 0)
        pole.odmietni(u"%1 nemôže byť záporný (%2)"_s.arg(coJe).arg(hodnota));
    return hodnota;
}

double percento(const PoleVymeny& pole, double hodnota) {
    if (hodnota < 0 || hodnota > 100)
        pole.odmietni(u"%1 % nemôže byť"_s.arg(hodnota));
    return hodnota;
}

QString textRozsirenia(const PoleVymeny& pole, int najviacZnakov) {
    return pole.textAk(najviacZnakov).value_or(QString());
}

double cisloAk(const PoleVymeny& pole) {
    return pole.cisloAk().value_or(NAN);
}

/// An amount of a lactation in kg (pounds converted); NAN when not stated.
double mnozstvo(const PoleVymeny& pole) {
    if (!pole.existuje())
        return NAN;
    const int jednotka = pole["unitCode"].vyber(KodyVymeny::kJednotkyVynosu);
    const double hodnota = nezaporne(pole["value"], pole["value"].cislo(), u"výnos"_s);
    return jednotka == 1 ? hodnota * KodyVymeny::kKgZaLibru : hodnota;
}

int celeKladne(const PoleVymeny& pole, int najmenej) {
    const double hodnota = pole.cislo();
    if (hodnota != std::floor(hodnota) || hodnota < najmenej || hodnota > 1e6)
        pole.odmietni(u"%1 nie je celé číslo od %2"_s.arg(hodnota).arg(najmenej));
    return int(hodnota);
}

} // namespace

CitanieVymeny::CitanieVymeny(PrijemcaZaznamov& prijemca, int dnes)
    : m_prijemca(prijemca)
    , m_dnes(dnes) {}

void CitanieVymeny::citaj(const QString& cesta, const CitacZbierok::Priebeh& priebeh) {
    m_nepouzite.clear();
    CitacZbierok::citaj(
        cesta, [this](const CitacZbierok::Clen& c) { clen(c); }, priebeh);
}

void CitanieVymeny::clen(const CitacZbierok::Clen& clen) {
    // Resources come collection by collection; the name is looked up once for each.
    if (clen.zbierka != m_zbierka) {
        m_zbierka = clen.zbierka;
        m_popis = KodyVymeny::zbierka(clen.zbierka);
    }
    const KodyVymeny::PopisZbierky* popis = m_popis;
    if (!popis) {
        if (!m_nepouzite.contains(clen.zbierka))
            m_nepouzite << clen.zbierka;
        return;
    }
    const MiestoClena miesto{clen.zbierka, clen.index, clen.riadok};
    const PoleVymeny zdroj(&clen.hodnota, miesto);
    const PoleVymeny typ = zdroj["resourceType"];
    if (!KodyVymeny::jeTypom(typ.text(), popis->typZdroja))
        typ.odmietni(u"v zbierke „%1“ má byť zdroj „%2“, nie „%3“"_s.arg(
            clen.zbierka, QLatin1String(popis->typZdroja), typ.text()));
    switch (popis->zbierka) {
    case Zbierka::Lokality:
        return lokalita(zdroj);
    case Zbierka::Zvierata:
        return zviera(zdroj);
    case Zbierka::Narodenia:
        return narodenie(zdroj);
    case Zbierka::Prichody:
        return prichod(zdroj);
    case Zbierka::Odchody:
        return odchod(zdroj, false);
    case Zbierka::Uhyny:
        return odchod(zdroj, true);
    case Zbierka::Otelenia:
        return otelenie(zdroj);
    case Zbierka::Zasusenia:
        return zasusenie(zdroj);
    case Zbierka::Kontroly:
        return kontrola(zdroj);
    case Zbierka::Laktacie:
        return laktacia(zdroj);
    case Zbierka::PlemenneHodnoty:
        return hodnoty(zdroj);
    }
}

int CitanieVymeny::datumNie(const PoleVymeny& pole) const {
    const int datum = pole.datum();
    if (datum > m_dnes)
        pole.odmietni(
            u"dátum %1 je v budúcnosti"_s.arg(QDate::fromJulianDay(datum).toString(Qt::ISODate)));
    return datum;
}

int CitanieVymeny::datumUdalosti(const PoleVymeny& zdroj) const {
    return datumNie(zdroj["eventDateTime"]);
}

void CitanieVymeny::lokalita(const PoleVymeny& clen) {
    ZaznamLokality z;
    z.miesto = clen.miesto();
    z.kod = kodLokality(clen["identifier"]);
    z.nazov = textRozsirenia(clen["name"], 50);
    const PoleVymeny rozsirenie = clen[KodyVymeny::kRozsirenie];
    z.obec = textRozsirenia(rozsirenie["obec"], 40);
    if (const std::optional<int> ustajnenie = rozsirenie["ustajnenie"].vyberAk({"V", "U"}))
        z.ustajnenie = *ustajnenie == 0 ? u"V"_s : u"U"_s;
    m_prijemca.lokalita(z);
}

void CitanieVymeny::zviera(const PoleVymeny& clen) {
    ZaznamZvierata z;
    z.miesto = clen.miesto();
    z.usneCislo = usneCislo(clen["identifier"]);
    const PoleVymeny druh = clen["specie"];
    if (druh.text() != u"Cattle"_s)
        druh.odmietni(u"zviera druhu „%1“ nie je hovädzí dobytok (Cattle)"_s.arg(druh.text()));
    const PoleVymeny pohlavie = clen["gender"];
    z.pohlavie = KodyVymeny::pohlavie(pohlavie.vyber(KodyVymeny::kPohlavia));
    if (z.pohlavie.isEmpty())
        pohlavie.odmietni(u"pohlavie zvieraťa musí byť známe"_s);
    if (clen["birthDate"].existuje())
        z.narodenie = datumNie(clen["birthDate"]);
    z.meno = textRozsirenia(clen["name"], 40);
    if (clen["primaryBreed"].existuje())
        z.plemeno = kodVSchemne(clen["primaryBreed"], KodyVymeny::kPlemeno, 2);
    if (clen["coatColorIdentifier"].existuje())
        z.farba = kodVSchemne(clen["coatColorIdentifier"], KodyVymeny::kFarba, 2);
    z.chovatel = kodLokalityAk(clen["location"], {9});

    const PoleVymeny podiely = clen["breedFractions"];
    if (podiely.existuje()) {
        const PoleVymeny menovatel = podiely["denominator"];
        const double cele = menovatel.cislo();
        if (cele <= 0)
            menovatel.odmietni(u"menovateľ podielov krvi musí byť kladný"_s);
        double sucet = 0;
        for (const PoleVymeny& podiel : podiely["fractions"].zoznam()) {
            const PoleVymeny zlomok = podiel["fraction"];
            const double percent =
                std::round(nezaporne(zlomok, zlomok.cislo(), u"podiel krvi"_s) * 1000 / cele) / 10;
            z.krv.push_back({kodVSchemne(podiel["breed"], KodyVymeny::kPlemeno, 2), percent});
            sucet += percent;
        }
        if (z.krv.size() > size_t(kNajviacPlemien))
            podiely["fractions"].odmietni(u"program vedie najviac päť plemien v krvi"_s);
        if (!z.krv.empty() && std::abs(sucet - 100) > 0.05)
            podiely["fractions"].odmietni(
                u"podiely krvi dávajú spolu %1 %, nie 100 %"_s.arg(sucet));
        std::stable_sort(z.krv.begin(), z.krv.end(), [](const PodielKrvi& a, const PodielKrvi& b) {
            return a.percent > b.percent;
        });
    }

    for (const PoleVymeny& rodic : clen["parentage"].zoznam()) {
        if (const std::optional<int> vztah =
                rodic["relation"].vyberAk({"Genetic", "Recipient", "Adoptive"});
            vztah && *vztah != 0)
            continue;
        // A pedigree may name the parents of ancestors too; those belong to the ancestor.
        if (const std::optional<QString> dieta = usneCisloAk(rodic["parentOf"]);
            dieta && *dieta != z.usneCislo)
            continue;
        const QString cislo = usneCislo(rodic["identifier"]);
        if (cislo == z.usneCislo)
            rodic["identifier"].odmietni(u"zviera nemôže byť samo sebe rodičom"_s);
        const QString pohlavieRodica =
            KodyVymeny::pohlavie(rodic["gender"].vyber(KodyVymeny::kPohlavia));
        if (pohlavieRodica.isEmpty())
            rodic["gender"].odmietni(u"rodič musí byť otec (Male) alebo matka (Female)"_s);
        (pohlavieRodica == u"1"_s ? z.otec : z.matka) = cislo;
    }

    const PoleVymeny meta = clen["meta"];
    if (meta.existuje()) {
        z.vlozene = meta["created"].casAk().value_or(QDateTime());
        z.zmenene = meta["modified"].casAk().value_or(QDateTime());
    }
    rozsirenieZvierata(clen[KodyVymeny::kRozsirenie], z);
    m_prijemca.zviera(z);
}

void CitanieVymeny::rozsirenieZvierata(const PoleVymeny& r, ZaznamZvierata& z) const {
    if (!r.existuje())
        return;
    z.plemennaKniha = textRozsirenia(r["plemennaKniha"], 5);
    z.plemennyTyp = textRozsirenia(r["plemennyTyp"], 2);
    z.chovNarodenia = textRozsirenia(r["chovNarodenia"], 20);
    z.dovezene = r["import"].logickaAk();
    z.et = r["et"].logickaAk();

    const PoleVymeny krava = r["krava"];
    if (krava.existuje()) {
        krava.musiBytObjekt();
        if (z.pohlavie != u"2"_s)
            krava.odmietni(u"krava musí byť samica"_s);
        z.krava = true;
        z.plemenna = krava["plemenna"].logickaAk();
        if (krava["datumZaradenia"].existuje())
            z.zaradenie = datumNie(krava["datumZaradenia"]);
        z.skupina = textRozsirenia(krava["skupina"], 2);
        if (const std::optional<bool> mb = krava["matkaByka"].logickaAk())
            z.mb = *mb ? u"1"_s : u"0"_s;
        z.zdravotnaTrieda = textRozsirenia(krava["zdravotnaTrieda"], 1);
        if (const std::optional<int> trieda =
                krava["triedaUzitkovosti"].vyberAk({"I", "II", "III", "IV"}))
            z.triedaUzitkovosti = krava["triedaUzitkovosti"].text();
    }
    const PoleVymeny byk = r["byk"];
    if (byk.existuje()) {
        byk.musiBytObjekt();
        if (z.pohlavie != u"1"_s)
            byk.odmietni(u"býk musí byť samec"_s);
        z.byk = true;
        z.linia = textRozsirenia(byk["linia"], 3);
        z.registerByka = textRozsirenia(byk["register"], 3);
        z.hbCislo = textRozsirenia(byk["hbCislo"], 12);
        if (const std::optional<int> sposob = byk["inseminacny"].vyberAk({"I", "-"}))
            z.inseminacny = *sposob == 0 ? u"I"_s : u"-"_s;
        if (byk["datumVyradenia"].existuje())
            z.vyradenieByka = datumNie(byk["datumVyradenia"]);
    }
    const PoleVymeny jalovica = r["jalovica"];
    if (jalovica.existuje()) {
        jalovica.musiBytObjekt();
        if (z.pohlavie != u"2"_s)
            jalovica.odmietni(u"jalovica musí byť samica"_s);
        if (z.krava)
            jalovica.odmietni(u"zviera nemôže byť zároveň kravou aj jalovicou"_s);
        z.jalovica = true;
        z.stav = jalovica["stav"].textAk().value_or(u"O"_s);
        jalovica["stav"].vyberAk({"O", "P", "I", "G"});
        if (jalovica["datumInseminacie"].existuje())
            z.inseminacia = datumNie(jalovica["datumInseminacie"]);
        z.bykInseminacie = usneCisloAk(jalovica["bykInseminacie"]).value_or(QString());
        z.hmotnost = cisloAk(jalovica["hmotnost"]);
        nezaporne(jalovica["hmotnost"], std::isnan(z.hmotnost) ? 0 : z.hmotnost, u"hmotnosť"_s);
        if (jalovica["datumVazenia"].existuje())
            z.vazenie = datumNie(jalovica["datumVazenia"]);
    }
}

void CitanieVymeny::narodenie(const PoleVymeny& clen) {
    ZaznamNarodenia z;
    z.miesto = clen.miesto();
    z.usneCislo = usneCislo(clen["animal"]);
    z.datum = datumUdalosti(clen);
    z.chov = kodLokality(clen["location"], {8, 9}).left(8);
    m_prijemca.narodenie(z);
}

void CitanieVymeny::prichod(const PoleVymeny& clen) {
    ZaznamPrichodu z;
    z.miesto = clen.miesto();
    z.usneCislo = usneCislo(clen["animal"]);
    z.datum = datumUdalosti(clen);
    z.lokalita = kodLokalityAk(clen["location"]);
    z.dovezene =
        clen["arrivalReason"].vyberAk(KodyVymeny::kDovodyPrichodu) == KodyVymeny::kPrichodDovoz;
    m_prijemca.prichod(z);
}

void CitanieVymeny::odchod(const PoleVymeny& clen, bool uhyn) {
    ZaznamOdchodu z;
    z.miesto = clen.miesto();
    z.usneCislo = usneCislo(clen["animal"]);
    z.datum = datumUdalosti(clen);
    z.lokalita = kodLokalityAk(clen["location"]);
    z.uhyn = uhyn;
    const PoleVymeny kod = clen[KodyVymeny::kRozsirenie]["dovodVyradenia"];
    if (kod.existuje()) {
        z.dovod = kod.text(2);
        static const QRegularExpression dveCislice(u"^[0-9]{2}$"_s);
        if (!dveCislice.match(z.dovod).hasMatch() ||
            z.dovod == QLatin1String(KodyVymeny::kKodVStade))
            kod.odmietni(u"„%1“ nie je kód dôvodu vyradenia"_s.arg(z.dovod));
    }
    if (uhyn) {
        clen["deathReason"].vyberAk({"Missing", "Parturition", "Disease", "Accident", "Consumption",
                                     "Culled", "Other", "Unknown", "Age", "Mastitis", "Production",
                                     "LegOrClaw", "MilkingAbility", "Nutrition", "Fertility"});
        if (z.dovod.isEmpty())
            z.dovod = QString::fromLatin1(KodyVymeny::kKodUhyn);
        z.umrtie = true;
    } else {
        const std::optional<int> druh = clen["departureKind"].vyberAk(KodyVymeny::kDruhyOdchodu);
        const std::optional<int> dovod =
            clen["departureReason"].vyberAk(KodyVymeny::kDovodyOdchodu);
        if (z.dovod.isEmpty())
            z.dovod = dovod ? KodyVymeny::dovodVyradenia(*dovod)
                      : druh == KodyVymeny::kDruhOdchoduPredaj
                          ? QString::fromLatin1(KodyVymeny::kKodPredajNaChov)
                          : u"06"_s;
        // A cow sold on lives on elsewhere; the others went to slaughter.
        z.umrtie = druh != KodyVymeny::kDruhOdchoduPredaj &&
                   z.dovod != QLatin1String(KodyVymeny::kKodPredajNaChov);
    }
    m_prijemca.odchod(z);
}

void CitanieVymeny::otelenie(const PoleVymeny& clen) {
    ZaznamOtelenia z;
    z.miesto = clen.miesto();
    z.usneCislo = usneCislo(clen["animal"]);
    z.datum = datumUdalosti(clen);
    z.lokalita = kodLokalityAk(clen["location"], {9});
    if (clen["damParity"].existuje())
        z.poradie = celeKladne(clen["damParity"], 1);
    if (const std::optional<int> priebeh = clen["calvingEase"].vyberAk(KodyVymeny::kPriebehyPorodu))
        z.priebeh = KodyVymeny::priebehPorodu(*priebeh);
    const PoleVymeny hmotnost = clen[KodyVymeny::kRozsirenie]["hmotnostKravy"];
    z.hmotnostKravy = cisloAk(hmotnost);
    if (z.hmotnostKravy <= 0)
        hmotnost.odmietni(u"hmotnosť kravy musí byť kladná"_s);
    for (const PoleVymeny& tela : clen["progenyDetails"].zoznam())
        if (const std::optional<QString> cislo = usneCisloAk(tela["identifier"]))
            z.potomstvo.push_back(*cislo);
    m_prijemca.otelenie(z);
}

void CitanieVymeny::zasusenie(const PoleVymeny& clen) {
    // Other states say nothing the program keeps.
    if (clen["observedStatus"].vyber(KodyVymeny::kStavyLaktacie) != 0)
        return;
    ZaznamZasusenia z;
    z.miesto = clen.miesto();
    z.usneCislo = usneCislo(clen["animal"]);
    z.datum = datumUdalosti(clen);
    m_prijemca.zasusenie(z);
}

void CitanieVymeny::kontrola(const PoleVymeny& clen) {
    ZaznamKontroly z;
    z.miesto = clen.miesto();
    z.usneCislo = usneCislo(clen["animal"]);
    z.datum = datumUdalosti(clen);
    // A cow dry, sick or not sampled on the day has no results to keep.
    if (clen["testDayCode"].vyberAk(KodyVymeny::kKodyKontroly))
        return;
    z.lokalita = kodLokalityAk(clen["location"], {9});
    const PoleVymeny nadoj = clen["milkWeight24Hours"];
    if (nadoj["unitCode"].text() != u"KGM"_s)
        nadoj["unitCode"].odmietni(u"nádoj sa uvádza v kg (KGM)"_s);
    z.mliekoPrepocitane = nezaporne(nadoj["value"], nadoj["value"].cislo(), u"nádoj"_s);

    for (const PoleVymeny& vlastnost : clen["milkCharacteristics"].zoznam()) {
        const QString znak = vlastnost["characteristic"].text();
        static const QStringList zname{u"FAT"_s, u"PROTEIN"_s, u"LAC"_s, u"SCC"_s, u"UREA"_s};
        static const QStringList jednotky{u"VP"_s, u"VP"_s, u"VP"_s, u"NCL"_s, u"M1"_s};
        const qsizetype index = zname.indexOf(znak);
        if (index < 0)
            continue;
        const std::optional<QString> jednotka = vlastnost["unit"].textAk();
        if (jednotka && *jednotka != jednotky[index])
            vlastnost["unit"].odmietni(
                u"%1 sa uvádza v jednotke %2, nie %3"_s.arg(znak, jednotky[index], *jednotka));
        const PoleVymeny pole = vlastnost["value"];
        const double hodnota = pole.cisloZTextu();
        switch (index) {
        case 0:
            z.tukPrepocitany = percento(pole, hodnota);
            break;
        case 1:
            z.bielkovinaPerc = percento(pole, hodnota);
            break;
        case 2:
            z.laktozaPerc = percento(pole, hodnota);
            break;
        case 3:
            z.bunky = nezaporne(pole, hodnota, u"počet somatických buniek"_s);
            break;
        default:
            z.mocovina =
                nezaporne(pole, hodnota, u"obsah močoviny"_s) / KodyVymeny::kMocovinaNaLiter;
            break;
        }
    }

    const PoleVymeny sposob = clen["milkRecordingMethod"];
    if (const std::optional<int> protokol =
            sposob["milkRecordingProtocol"].vyberAk(KodyVymeny::kProtokoly))
        z.typ = KodyVymeny::typKontroly(*protokol);
    z.prepocet = sposob["milkRecordingScheme"].vyberAk(KodyVymeny::kSchemyKontroly) ==
                 KodyVymeny::kJednoDojenie;
    if (const std::optional<int> cas =
            sposob["milkSamplingMoment"].vyberAk(KodyVymeny::kCasyVzorky))
        z.dennaDoba = KodyVymeny::dennaDoba(*cas);
    if (const std::optional<double> dni = sposob["recordingInterval"].cisloAk()) {
        const int tyzdne = int(std::lround(*dni / 7));
        if (tyzdne < 1 || tyzdne > 9)
            sposob["recordingInterval"].odmietni(
                u"interval kontrol %1 dní nie je jeden až deväť týždňov"_s.arg(*dni));
        z.interval = QString::number(tyzdne);
    }

    const PoleVymeny r = clen[KodyVymeny::kRozsirenie];
    z.skupina = textRozsirenia(r["skupina"], 2);
    // When one milking was weighed, the day's figures above are estimates and the weighed ones
    // travel beside them.
    z.mlieko = cisloAk(r["mlieko"]);
    if (std::isnan(z.mlieko))
        z.mlieko = z.mliekoPrepocitane;
    nezaporne(r["mlieko"], z.mlieko, u"nádoj"_s);
    z.tukPerc = cisloAk(r["tukPerc"]);
    if (std::isnan(z.tukPerc))
        z.tukPerc = z.tukPrepocitany;
    else
        percento(r["tukPerc"], z.tukPerc);
    m_prijemca.kontrola(z);
}

void CitanieVymeny::laktacia(const PoleVymeny& clen) {
    clen["id"].text();
    const std::optional<int> druh = clen["lactationType"].vyberAk(KodyVymeny::kDruhyLaktacie);
    // The program keeps the whole lactation and its standardised part.
    if (druh && *druh != KodyVymeny::kLaktaciaCela && *druh != KodyVymeny::kLaktaciaNormovana)
        return;
    ZaznamLaktacie z;
    z.miesto = clen.miesto();
    z.usneCislo = usneCislo(clen["animal"]);
    z.otelenie = datumNie(clen["beginDate"]);
    z.normovana = druh == KodyVymeny::kLaktaciaNormovana;
    if (clen["parity"].existuje())
        z.poradie = celeKladne(clen["parity"], 1);
    if (clen["lactationLength"].existuje())
        z.dni = celeKladne(clen["lactationLength"], 0);
    z.vynos = {mnozstvo(clen["milkAmount"]), mnozstvo(clen["fatAmount"]),
               mnozstvo(clen["proteinAmount"]), mnozstvo(clen["lactosisAmount"])};
    if (clen["endDate"].existuje()) {
        z.ukoncenie = datumNie(clen["endDate"]);
        if (z.ukoncenie < z.otelenie)
            clen["endDate"].odmietni(u"laktácia nemôže skončiť pred otelením"_s);
    }
    if (const std::optional<int> protokol =
            clen["milkRecordingMethod"]["milkRecordingProtocol"].vyberAk(KodyVymeny::kProtokoly))
        z.sposob = KodyVymeny::typKontroly(*protokol);
    const PoleVymeny r = clen[KodyVymeny::kRozsirenie];
    z.perzistencia = cisloAk(r["indexPerzistencie"]);
    z.index = cisloAk(r["indexLaktacie"]);
    m_prijemca.laktacia(z);
}

void CitanieVymeny::hodnoty(const PoleVymeny& clen) {
    clen["id"].text();
    ZaznamHodnot z;
    z.miesto = clen.miesto();
    z.usneCislo = usneCislo(clen["animal"]);
    const PoleVymeny verzia = clen["version"];
    static const QRegularExpression mesiac(u"^\\d{4}-\\d{2}$"_s);
    const QString zapis = verzia.text();
    if (mesiac.match(zapis).hasMatch()) {
        const QDate prvy = QDate::fromString(zapis + u"-01"_s, Qt::ISODate);
        if (!prvy.isValid())
            verzia.odmietni(u"„%1“ nie je mesiac hodnotenia"_s.arg(zapis));
        z.datum = int(prvy.toJulianDay());
    } else {
        z.datum = verzia.datum();
    }
    if (z.datum > m_dnes)
        verzia.odmietni(u"hodnotenie nemôže byť z budúcnosti"_s);
    for (const PoleVymeny& hodnota : clen["breedingValues"].zoznam()) {
        const PoleVymeny znak = hodnota["traitLabel"];
        if (schema(znak) != QLatin1String(KodyVymeny::kPlemennaHodnota))
            continue;
        const QString id = znak["id"].text();
        const auto najdene =
            std::find_if(KodyVymeny::kZnakyHodnot.begin(), KodyVymeny::kZnakyHodnot.end(),
                         [&](const char* meno) { return id == QLatin1String(meno); });
        if (najdene == KodyVymeny::kZnakyHodnot.end())
            continue;
        const auto poradie = size_t(najdene - KodyVymeny::kZnakyHodnot.begin());
        const std::array<double*, 7> ciele{&z.mlieko,         &z.tukKg, &z.tukPerc, &z.bielkovinaKg,
                                           &z.bielkovinaPerc, &z.bunky, &z.index};
        *ciele[poradie] = hodnota["value"].cislo();
        // The program keeps one reliability: the total index's, else the first one given.
        const bool index = poradie + 1 == ciele.size();
        if (const std::optional<double> spolahlivost = hodnota["reliability"].cisloAk();
            spolahlivost && (index || z.spolahlivost < 0)) {
            if (*spolahlivost < 0 || *spolahlivost > 100)
                hodnota["reliability"].odmietni(
                    u"spoľahlivosť %1 % nemôže byť"_s.arg(*spolahlivost));
            z.spolahlivost = int(std::lround(*spolahlivost));
        }
    }
    m_prijemca.hodnoty(z);
}
