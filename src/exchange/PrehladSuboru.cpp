#include "PrehladSuboru.h"

#include <QDate>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

void PrehladSuboru::udalost(int datum) {
    if (datum == 0)
        return;
    m_od = m_od == 0 ? datum : std::min(m_od, datum);
    m_po = std::max(m_po, datum);
}

void PrehladSuboru::lokalita(const ZaznamLokality& z) {
    m_lokality.insert(z.kod, z.nazov);
}

void PrehladSuboru::zviera(const ZaznamZvierata& z) {
    ++m_zvierat;
    m_kravy += z.krava;
    m_jalovice += z.jalovica;
    m_byky += z.byk;
}

void PrehladSuboru::narodenie(const ZaznamNarodenia&) {
    ++m_narodenia;
}

void PrehladSuboru::prichod(const ZaznamPrichodu& z) {
    ++m_prichody;
    udalost(z.datum);
}

void PrehladSuboru::odchod(const ZaznamOdchodu& z) {
    ++m_vyradenia;
    udalost(z.datum);
}

void PrehladSuboru::otelenie(const ZaznamOtelenia& z) {
    ++m_otelenia;
    udalost(z.datum);
}

void PrehladSuboru::zasusenie(const ZaznamZasusenia& z) {
    ++m_zasusenia;
    udalost(z.datum);
}

void PrehladSuboru::kontrola(const ZaznamKontroly& z) {
    ++m_kontrol;
    udalost(z.datum);
}

void PrehladSuboru::laktacia(const ZaznamLaktacie& z) {
    // Each lactation comes whole and standardised; it is counted once.
    if (!z.normovana)
        ++m_laktacii;
    udalost(z.otelenie);
}

void PrehladSuboru::hodnoty(const ZaznamHodnot&) {
    ++m_hodnoty;
}

QString PrehladSuboru::text() const {
    const QLocale locale;
    const auto pocet = [&](qint64 n) {
        return locale.toString(n);
    };
    QStringList riadky;
    for (int dlzka : {6, 8, 9}) {
        QStringList kody;
        for (auto it = m_lokality.cbegin(); it != m_lokality.cend(); ++it)
            if (it.key().size() == dlzka)
                kody << (it.value().isEmpty() ? it.key() : it.key() + u' ' + it.value());
        if (kody.isEmpty())
            continue;
        const QString nazov = dlzka == 6 ? u"Podnik"_s : dlzka == 8 ? u"Chovy"_s : u"Maštale"_s;
        riadky << u"%1 (%2): %3"_s.arg(nazov, pocet(kody.size()), kody.join(u", "_s));
    }
    riadky << u"Zvieratá: %1 (kravy %2, jalovice %3, býky %4)"_s.arg(
        pocet(m_zvierat), pocet(m_kravy), pocet(m_jalovice), pocet(m_byky));
    riadky << u"Kontroly úžitkovosti: %1"_s.arg(pocet(m_kontrol));
    riadky << u"Laktácie: %1, otelenia: %2, zasušenia: %3"_s.arg(
        pocet(m_laktacii), pocet(m_otelenia), pocet(m_zasusenia));
    riadky << u"Narodenia: %1, príchody: %2, vyradenia: %3, plemenné hodnoty: %4"_s.arg(
        pocet(m_narodenia), pocet(m_prichody), pocet(m_vyradenia), pocet(m_hodnoty));
    if (m_od != 0)
        riadky << u"Obdobie: %1 – %2"_s.arg(
            locale.toString(QDate::fromJulianDay(m_od), QLocale::ShortFormat),
            locale.toString(QDate::fromJulianDay(m_po), QLocale::ShortFormat));
    if (!m_nepouzite.isEmpty())
        riadky << u"Nepoužité zbierky: %1"_s.arg(m_nepouzite.join(u", "_s));
    return riadky.join(u'\n');
}
