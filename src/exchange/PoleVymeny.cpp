#include "PoleVymeny.h"

#include "ChybaVymeny.h"

#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

using namespace Qt::Literals::StringLiterals;

namespace {

QString druh(const rapidjson::Value& hodnota) {
    if (hodnota.IsObject())
        return u"objekt"_s;
    if (hodnota.IsArray())
        return u"zoznam"_s;
    if (hodnota.IsString())
        return u"text"_s;
    if (hodnota.IsNumber())
        return u"číslo"_s;
    if (hodnota.IsBool())
        return u"logická hodnota"_s;
    return u"null"_s;
}

} // namespace

QString MiestoClena::popis(const QString& pole) const {
    QString miesto = u"%1[%2]"_s.arg(zbierka).arg(index);
    if (!pole.isEmpty())
        miesto += (pole.startsWith(u'[') ? u""_s : u"."_s) + pole;
    return u"%1 (riadok %2)"_s.arg(miesto).arg(riadok);
}

void MiestoClena::odmietni(const QString& pole, const QString& dovod) const {
    throw OdmietnutySubor(u"Súbor je odmietnutý: %1: %2."_s.arg(popis(pole), dovod));
}

PoleVymeny::PoleVymeny(const rapidjson::Value* hodnota, const MiestoClena& miesto)
    : m_hodnota(hodnota)
    , m_miesto(&miesto) {}

PoleVymeny PoleVymeny::potomok(const rapidjson::Value* hodnota, Krok krok) const {
    // Only the steps taken are copied: a field is made for every value read, and copying the
    // whole path made a tenth of the reading's work.
    PoleVymeny pole(hodnota, *m_miesto);
    std::copy_n(m_cesta.begin(), m_hlbka, pole.m_cesta.begin());
    pole.m_hlbka = m_hlbka;
    if (pole.m_hlbka < kNajhlbsie)
        pole.m_cesta[size_t(pole.m_hlbka++)] = krok;
    return pole;
}

PoleVymeny PoleVymeny::operator[](const char* nazov) const {
    if (!existuje())
        return potomok(nullptr, {nazov, 0});
    musiBytObjekt();
    const auto najdene = m_hodnota->FindMember(nazov);
    return potomok(najdene == m_hodnota->MemberEnd() ? nullptr : &najdene->value, {nazov, 0});
}

QString PoleVymeny::cesta() const {
    QString text;
    for (int i = 0; i < m_hlbka; ++i) {
        const Krok& k = m_cesta[size_t(i)];
        if (k.nazov)
            text += (text.isEmpty() ? u""_s : u"."_s) + QString::fromLatin1(k.nazov);
        else
            text += u"[%1]"_s.arg(k.index);
    }
    return text;
}

QString PoleVymeny::popisMiesta() const {
    return m_miesto->popis(cesta());
}

void PoleVymeny::odmietni(const QString& dovod) const {
    m_miesto->odmietni(cesta(), dovod);
}

const rapidjson::Value& PoleVymeny::hodnota() const {
    if (!existuje())
        odmietni(u"chýba povinný údaj"_s);
    return *m_hodnota;
}

void PoleVymeny::musiBytObjekt() const {
    if (!hodnota().IsObject())
        odmietni(u"očakáva sa objekt, je tu %1"_s.arg(druh(*m_hodnota)));
}

QString PoleVymeny::text(int najviacZnakov) const {
    const rapidjson::Value& h = hodnota();
    if (!h.IsString())
        odmietni(u"očakáva sa text, je tu %1"_s.arg(druh(h)));
    const QString text = QString::fromUtf8(h.GetString(), h.GetStringLength());
    if (najviacZnakov > 0 && text.size() > najviacZnakov)
        odmietni(u"text „%1“ je dlhší ako %2 znakov"_s.arg(text).arg(najviacZnakov));
    return text;
}

std::optional<QString> PoleVymeny::textAk(int najviacZnakov) const {
    if (!existuje())
        return std::nullopt;
    return text(najviacZnakov);
}

double PoleVymeny::cislo() const {
    const rapidjson::Value& h = hodnota();
    if (!h.IsNumber())
        odmietni(u"očakáva sa číslo, je tu %1"_s.arg(druh(h)));
    return h.GetDouble();
}

std::optional<double> PoleVymeny::cisloAk() const {
    if (!existuje())
        return std::nullopt;
    return cislo();
}

double PoleVymeny::cisloZTextu() const {
    const rapidjson::Value& h = hodnota();
    if (!h.IsString())
        odmietni(u"očakáva sa text, je tu %1"_s.arg(druh(h)));
    // Read where the parser left it: five of these come with every test day.
    const std::string_view zapis(h.GetString(), h.GetStringLength());
    const auto medzera = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r';
    };
    const char* od = zapis.data();
    const char* po = od + zapis.size();
    while (od < po && medzera(*od))
        ++od;
    while (po > od && medzera(po[-1]))
        --po;
    double cislo = 0;
    const auto [koniec, chyba] = std::from_chars(od, po, cislo);
    if (od == po || chyba != std::errc() || koniec != po || !std::isfinite(cislo))
        odmietni(u"„%1“ nie je číslo"_s.arg(QString::fromUtf8(zapis)));
    return cislo;
}

std::optional<bool> PoleVymeny::logickaAk() const {
    if (!existuje())
        return std::nullopt;
    if (!m_hodnota->IsBool())
        odmietni(u"očakáva sa true alebo false, je tu %1"_s.arg(druh(*m_hodnota)));
    return m_hodnota->GetBool();
}

namespace {

/// Digits of a text at a position as a number; -1 when they are not all digits.
int cislice(const char* text, int od, int pocet) {
    int hodnota = 0;
    for (int i = od; i < od + pocet; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        hodnota = hodnota * 10 + (text[i] - '0');
    }
    return hodnota;
}

} // namespace

std::optional<QDateTime> PoleVymeny::casAk() const {
    if (!existuje())
        return std::nullopt;
    // RRRR-MM-DD, then optionally T (or a blank) and hh:mm, :ss, a fraction and an offset, which
    // is not applied: the day is the one written.
    const rapidjson::Value& h = hodnota();
    if (!h.IsString())
        odmietni(u"očakáva sa dátum v texte, je tu %1"_s.arg(druh(h)));
    const char* t = h.GetString();
    const int dlzka = int(h.GetStringLength());
    QDate den;
    QTime cas(0, 0);
    bool platny = dlzka >= 10 && t[4] == '-' && t[7] == '-';
    if (platny)
        den = QDate(cislice(t, 0, 4), cislice(t, 5, 2), cislice(t, 8, 2));
    if (platny && dlzka > 10) {
        static const QRegularExpression zvysok(
            u"^[Tt ](\\d{2}):(\\d{2})(?::(\\d{2})(?:\\.\\d+)?)?(?:[Zz]|[+-]\\d{2}:?\\d{2})?$"_s);
        const QRegularExpressionMatch najdene =
            zvysok.match(QString::fromLatin1(t + 10, dlzka - 10));
        platny = najdene.hasMatch();
        if (platny)
            cas = QTime(najdene.captured(1).toInt(), najdene.captured(2).toInt(),
                        najdene.captured(3).toInt());
    }
    if (!platny || !den.isValid() || !cas.isValid())
        odmietni(u"„%1“ nie je platný dátum (RRRR-MM-DD alebo RRRR-MM-DDThh:mm:ssZ)"_s.arg(
            QString::fromUtf8(t, dlzka)));
    if (den.year() < 1900)
        odmietni(u"dátum %1 nemôže byť"_s.arg(QString::fromUtf8(t, dlzka)));
    return QDateTime(den, cas, Qt::UTC);
}

int PoleVymeny::datum() const {
    hodnota();
    const rapidjson::Value& h = *m_hodnota;
    // The common form, a date at midnight, without building a date and time.
    if (h.IsString() && h.GetStringLength() >= 10) {
        const char* t = h.GetString();
        const int dlzka = int(h.GetStringLength());
        const bool polnoc = dlzka == 10 || (dlzka == 20 && std::strcmp(t + 10, "T00:00:00Z") == 0);
        if (polnoc && t[4] == '-' && t[7] == '-') {
            const QDate den(cislice(t, 0, 4), cislice(t, 5, 2), cislice(t, 8, 2));
            if (den.isValid() && den.year() >= 1900)
                return int(den.toJulianDay());
        }
    }
    return int(casAk()->date().toJulianDay());
}

std::optional<int> PoleVymeny::datumAk() const {
    if (!existuje())
        return std::nullopt;
    return datum();
}

int PoleVymeny::vyber(std::initializer_list<const char*> povolene) const {
    const QString zapis = text();
    int index = 0;
    QStringList zoznam;
    for (const char* moznost : povolene) {
        if (zapis == QLatin1String(moznost))
            return index;
        zoznam << QString::fromLatin1(moznost);
        ++index;
    }
    odmietni(u"neznáma hodnota „%1“ (možné: %2)"_s.arg(zapis, zoznam.join(u", "_s)));
}

std::optional<int> PoleVymeny::vyberAk(std::initializer_list<const char*> povolene) const {
    if (!existuje())
        return std::nullopt;
    return vyber(povolene);
}

std::vector<PoleVymeny> PoleVymeny::zoznam() const {
    std::vector<PoleVymeny> polozky;
    if (!existuje())
        return polozky;
    if (!m_hodnota->IsArray())
        odmietni(u"očakáva sa zoznam, je tu %1"_s.arg(druh(*m_hodnota)));
    polozky.reserve(m_hodnota->Size());
    for (rapidjson::SizeType i = 0; i < m_hodnota->Size(); ++i)
        polozky.push_back(potomok(&(*m_hodnota)[i], {nullptr, int(i)}));
    return polozky;
}
