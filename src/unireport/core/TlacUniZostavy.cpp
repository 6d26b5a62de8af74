#include "TlacUniZostavy.h"

#include "UlozenaZostava.h"
#include "data/DisplayFormat.h"
#include "data/FieldDef.h"
#include "engine/model/DataTextComponent.h"
#include "engine/model/DataViewDefinition.h"
#include "engine/model/LayoutEditor.h"
#include "engine/model/PageDefinition.h"
#include "engine/model/ProjectDefinition.h"
#include "engine/model/RegionDefinition.h"
#include "engine/model/ReportError.h"
#include "engine/model/ReportProject.h"
#include "engine/model/TextComponent.h"

#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString dataView = u"DataViewQuery"_s;
const QString titulky = u"stTxt"_s;
const QString hodnoty = u"dynDt"_s;
constexpr double velkostPisma = 8;
constexpr double zaciatok = 0.1;

template <typename T> T& najdi(T* najdeny, const ReportProject& projekt, const QString& meno) {
    if (!najdeny)
        throw ReportError(u"Projekt zostáv „%1“ nemá komponent „%2“, ktorý tlač univerzálnej "
                          u"zostavy potrebuje."_s.arg(projekt.fileName(), meno));
    return *najdeny;
}

/// Numbers keep this gap to a text that follows them.
constexpr double medzera = 0.1;

/// A column shows its values as the grid does, numbers at the right, within its share of the
/// region.
void umiestni(TextualComponent& komponent, const ReportField& pole, double x, double podiel) {
    komponent.setAlignment(pole.isNumeric() ? Qt::AlignRight : Qt::AlignLeft);
    komponent.setLeft(x);
    komponent.setTop(0);
    komponent.setWidth(pole.isNumeric() && podiel > 2 * medzera ? podiel - medzera : podiel);
}

} // namespace

TlacUniZostavy::TlacUniZostavy(ReportProject& projekt)
    : m_projekt(projekt) {}

void TlacUniZostavy::tlac(const UlozenaZostava& zostava, const QString& kodPodniku,
                          const QString& copyright, const QList<double>& sirkyStlpcov) {
    m_projekt.setParameter(u"Nazov"_s, zostava.Nazov);
    m_projekt.setParameter(u"Popis"_s, zostava.Popis);
    m_projekt.setParameter(u"Podnik"_s, kodPodniku);
    m_projekt.setParameter(u"NazovPodniku"_s, QString());
    m_projekt.setParameter(u"Copyright"_s, copyright);
    m_projekt.open();

    const LayoutEditor editor(m_projekt);
    ProjectDefinition& projekt = *m_projekt.definition();
    DataViewDefinition& pohlad = najdi(projekt.findDataView(dataView), m_projekt, dataView);
    editor.refreshFields(pohlad);
    const QString menoStrany = menoZostavy + u".Strana"_s;
    PageDefinition& strana = najdi(projekt.findPage(menoStrany), m_projekt, menoStrany);
    const RegionDefinition& oblast =
        najdi(strana.findRegion(u"RegionZostava"_s), m_projekt, u"RegionZostava"_s);
    BandDefinition& hlavicka =
        najdi(strana.findBand(u"BandHlavicka"_s), m_projekt, u"BandHlavicka"_s);
    BandDefinition& riadky =
        najdi(strana.findBand(u"DataBandZostava"_s), m_projekt, u"DataBandZostava"_s);

    const std::vector<ReportComponent*> komponenty = strana.components();
    for (auto it = komponenty.rbegin(); it != komponenty.rend(); ++it) {
        const QString prefix = (*it)->name().left(5);
        if (prefix == titulky || prefix == hodnoty)
            editor.deleteComponent(**it);
    }

    const QList<ReportField> polia = pohlad.fields();
    const qsizetype pocet = std::min(polia.size(), sirkyStlpcov.size());
    const double spolu = std::accumulate(sirkyStlpcov.cbegin(), sirkyStlpcov.cbegin() + pocet, 0.0);
    // The columns begin inside the region's left edge and end at its right one.
    const double sirkaOblasti = editor.regionWidth(oblast) - zaciatok;
    double x = zaciatok;
    for (qsizetype i = 0; i < pocet && spolu > 0; ++i) {
        const double podiel = sirkaOblasti * (sirkyStlpcov[i] / spolu);
        const QString cislo = QString::number(i);

        TextComponent& titul = editor.createText(hlavicka, titulky + cislo);
        titul.setText(polia[i].name);
        FontSpec tucne = titul.font();
        tucne.size = velkostPisma;
        tucne.bold = true;
        titul.setFont(tucne);
        umiestni(titul, polia[i], x, podiel);

        DataTextComponent& hodnota = editor.createDataText(riadky, hodnoty + cislo);
        hodnota.setField(polia[i].name);
        hodnota.setDataView(dataView);
        FontSpec pismo = hodnota.font();
        pismo.size = velkostPisma;
        hodnota.setFont(pismo);
        umiestni(hodnota, polia[i], x, podiel);

        x += podiel;
    }
    m_projekt.executeReport(menoZostavy);
}

QList<double> TlacUniZostavy::sirkyPodlaPoli(const QList<FieldDef>& polia) {
    QList<double> sirky;
    for (const FieldDef& pole : polia)
        sirky.append(std::max<qsizetype>(pole.heading().size(), DisplayFormat::characters(pole)) +
                     1);
    return sirky;
}
