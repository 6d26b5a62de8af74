#include "KnihaZostav.h"

#include "DatasetReportDataSet.h"
#include "KatalogZostav.h"
#include "PriebehKnihy.h"
#include "TDataModuleTabulky.h"
#include "TlacZostavy.h"
#include "engine/model/MemoryDataSet.h"
#include "engine/model/PageBook.h"
#include "engine/model/PageModelDestination.h"
#include "engine/model/ReportConnections.h"
#include "engine/model/ReportError.h"

#include <QRegularExpression>
#include <QScopeGuard>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A report's name in the contents: the captions of its menu path without their numbers,
/// leaving out the bare "Zostava" of an item that is the only report of its submenu.
QString nazovVObsahu(const PolozkaKatalogu& polozka) {
    static const QRegularExpression cislo(u"^(\\([0-9A-Z.]+\\)|[0-9]+[A-Z][0-9]*)\\s+"_s);
    const std::vector<PolozkaKatalogu>& polozky = KatalogZostav::polozky();
    QStringList casti;
    const auto pridaj = [&](const PolozkaKatalogu& p) {
        const QString popis = p.popis.trimmed().remove(cislo);
        if (popis != u"Zostava"_s)
            casti.prepend(popis);
    };
    pridaj(polozka);
    int uroven = polozka.uroven;
    for (auto i = std::size_t(&polozka - polozky.data()); uroven > 0 && i-- > 0;) {
        if (polozky[i].uroven < uroven) {
            uroven = polozky[i].uroven;
            pridaj(polozky[i]);
        }
    }
    return casti.join(u": "_s);
}

} // namespace

KnihaZostav::KnihaZostav(TDataModuleTabulky& tabulky, StavZostav& stav, VstupyZostav& vstupy,
                         QString copyright)
    : m_tabulky(tabulky)
    , m_stav(stav)
    , m_vstupy(vstupy)
    , m_copyright(std::move(copyright)) {}

std::vector<const PolozkaKatalogu*> KnihaZostav::zostavy() {
    std::vector<const PolozkaKatalogu*> zostavy;
    for (const PolozkaKatalogu& polozka : KatalogZostav::polozky())
        if (polozka.jeZostava())
            zostavy.push_back(&polozka);
    return zostavy;
}

bool KnihaZostav::zadaj() {
    TlacZostavy tlac(m_tabulky, m_stav, m_vstupy, m_copyright);
    std::vector<ZadanieZostavy> zadania;
    for (const PolozkaKatalogu* polozka : zostavy()) {
        std::optional<ZadanieZostavy> zadanie = tlac.zadanie(*polozka);
        if (!zadanie)
            return false;
        zadania.push_back(std::move(*zadanie));
    }
    m_zadania = std::move(zadania);
    return true;
}

std::optional<PageModel> KnihaZostav::tlac() {
    if (!m_zadania && !zadaj())
        return std::nullopt;
    ReportSystem& system = m_tabulky.RvSystemTabulky;
    const std::shared_ptr<ReportDestination> predosly = system.destination();
    const auto zberac = std::make_shared<PageModelDestination>();
    system.setDestination(zberac);
    const auto vrat = qScopeGuard([&] {
        system.setDestination(predosly);
        if (m_priebeh)
            m_priebeh->koniec();
    });

    TlacZostavy tlac(m_tabulky, m_stav, m_vstupy, m_copyright);
    const std::vector<const PolozkaKatalogu*> polozky = zostavy();
    for (std::size_t i = 0; i < polozky.size(); ++i) {
        const PolozkaKatalogu& polozka = *polozky[i];
        if (m_priebeh && !m_priebeh->pred(int(i) + 1, int(polozky.size()), polozka))
            return std::nullopt;
        const std::size_t behy = zberac->runs().size();
        const ZadanieZostavy& zadanie = (*m_zadania)[i];
        tlac.tlac(polozka, zadanie);
        // A report the project lacks prints nothing without a word; a book without it would
        // pass for whole.
        if (zberac->runs().size() == behy)
            throw ReportError(u"Projekt %1 neobsahuje zostavu %2."_s.arg(
                tlac.projekt(polozka).fileName(), TlacZostavy::zostava(polozka, zadanie)));
    }
    return PageBook::bind(u"Bonitačné zostavy"_s, obsah(zberac->runs()), zberac->runs());
}

PageModel KnihaZostav::obsah(const std::vector<PageModel>& kapitoly) const {
    const std::vector<const PolozkaKatalogu*> polozky = zostavy();
    ReportDataSet* hlavicka = nullptr;
    for (const TDataModuleTabulky::PublishedDataSet& publikovany : m_tabulky.publishedDataSets())
        if (publikovany.query == m_tabulky.ADOQueryHlavicka)
            hlavicka = publikovany.reportDataSet.get();

    ReportSystem& system = m_tabulky.RvSystemTabulky;
    int stranObsahu = 1;
    for (;;) {
        const std::vector<int> zaciatky = PageBook::chapterStarts(kapitoly, stranObsahu);
        QList<QVariantList> riadky;
        for (std::size_t i = 0; i < polozky.size(); ++i)
            riadky.append(QVariantList{polozky[i]->kod, nazovVObsahu(*polozky[i]), zaciatky[i],
                                       kapitoly[i].pageCount()});
        MemoryDataSet obsah({{u"kod"_s, ReportField::Kind::Text},
                             {u"nazov"_s, ReportField::Kind::Text},
                             {u"strana"_s, ReportField::Kind::Integer},
                             {u"pocet_stran"_s, ReportField::Kind::Integer}},
                            riadky);
        ReportConnections spojenia;
        spojenia.publish(spojenieObsahu, &obsah);
        spojenia.publish(u"RvDataSetConnectionHlavicka"_s, hlavicka);
        ReportProject projekt(system, spojenia, m_tabulky.RvProjectTabulky.fileName());
        projekt.setParameter(u"Copyright"_s, m_copyright);
        const auto zberac = std::make_shared<PageModelDestination>();
        const std::shared_ptr<ReportDestination> predosly = system.destination();
        system.setDestination(zberac);
        const auto vrat = qScopeGuard([&] { system.setDestination(predosly); });
        projekt.executeReport(zostavaObsahu);
        if (zberac->runs().empty())
            throw ReportError(
                u"Projekt %1 neobsahuje zostavu %2."_s.arg(projekt.fileName(), zostavaObsahu));
        const PageModel& strany = zberac->runs().front();
        // Contents longer than foreseen move every chapter on; laid out again, they fit.
        if (strany.pageCount() <= stranObsahu)
            return strany;
        stranObsahu = strany.pageCount();
    }
}
