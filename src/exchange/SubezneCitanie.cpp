#include "SubezneCitanie.h"

#include "CitanieVymeny.h"
#include "ZaznamyVymeny.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <variant>
#include <vector>

namespace {

struct Pokrok {
    qint64 precitane;
    qint64 velkost;
};

using Polozka = std::variant<ZaznamLokality, ZaznamZvierata, ZaznamNarodenia, ZaznamPrichodu,
                             ZaznamOdchodu, ZaznamOtelenia, ZaznamZasusenia, ZaznamKontroly,
                             ZaznamLaktacie, ZaznamHodnot, Pokrok>;
using Davka = std::vector<Polozka>;

// Large enough that the threads rarely wait on the lock, small enough that the batches waiting
// stay a few megabytes even for animals, the largest records.
constexpr size_t kVelkostDavky = 1000;
constexpr size_t kCakajuceDavky = 4;

/// Unwinds the reading thread when the receiving side has given up.
struct Zastavene {};

/// The batches between the reading thread and the receiving one.
class Rad {
public:
    /// Waits while the queue is full; throws Zastavene once the receiver has stopped.
    void vloz(Davka&& davka) {
        std::unique_lock zamok(m_zamok);
        m_miesto.wait(zamok, [&] { return m_zastavene || m_davky.size() < kCakajuceDavky; });
        if (m_zastavene)
            throw Zastavene{};
        m_davky.push_back(std::move(davka));
        m_data.notify_one();
    }

    /// The reading thread has ended, with the exception it ended with (or none).
    void skonci(std::exception_ptr chyba) {
        std::lock_guard zamok(m_zamok);
        m_skoncene = true;
        m_chyba = std::move(chyba);
        m_data.notify_one();
    }

    /// False once the reading thread has ended and every batch is taken.
    bool vyber(Davka& davka) {
        std::unique_lock zamok(m_zamok);
        m_data.wait(zamok, [&] { return m_skoncene || !m_davky.empty(); });
        if (m_davky.empty())
            return false;
        davka = std::move(m_davky.front());
        m_davky.pop_front();
        m_miesto.notify_one();
        return true;
    }

    void zastav() {
        std::lock_guard zamok(m_zamok);
        m_zastavene = true;
        m_davky.clear();
        m_miesto.notify_one();
    }

    std::exception_ptr chyba() const { return m_chyba; }

private:
    std::mutex m_zamok;
    std::condition_variable m_data, m_miesto;
    std::deque<Davka> m_davky;
    bool m_skoncene = false;
    bool m_zastavene = false;
    std::exception_ptr m_chyba;
};

/// The reading thread's receiver: gathers the records into batches for the queue.
class Odosielatel : public PrijemcaZaznamov {
public:
    explicit Odosielatel(Rad& rad)
        : m_rad(rad) {
        m_davka.reserve(kVelkostDavky);
    }

    void lokalita(const ZaznamLokality& z) override { pridaj(z); }
    void zviera(const ZaznamZvierata& z) override { pridaj(z); }
    void narodenie(const ZaznamNarodenia& z) override { pridaj(z); }
    void prichod(const ZaznamPrichodu& z) override { pridaj(z); }
    void odchod(const ZaznamOdchodu& z) override { pridaj(z); }
    void otelenie(const ZaznamOtelenia& z) override { pridaj(z); }
    void zasusenie(const ZaznamZasusenia& z) override { pridaj(z); }
    void kontrola(const ZaznamKontroly& z) override { pridaj(z); }
    void laktacia(const ZaznamLaktacie& z) override { pridaj(z); }
    void hodnoty(const ZaznamHodnot& z) override { pridaj(z); }
    void pokrok(qint64 precitane, qint64 velkost) { pridaj(Pokrok{precitane, velkost}); }

    void odosli() {
        if (m_davka.empty())
            return;
        m_rad.vloz(std::move(m_davka));
        m_davka = {};
        m_davka.reserve(kVelkostDavky);
    }

private:
    void pridaj(Polozka polozka) {
        m_davka.push_back(std::move(polozka));
        if (m_davka.size() >= kVelkostDavky)
            odosli();
    }

    Rad& m_rad;
    Davka m_davka;
};

/// Hands a record to the receiver's method of its kind.
struct Odovzdanie {
    PrijemcaZaznamov& prijemca;
    const CitacZbierok::Priebeh& priebeh;

    void operator()(const ZaznamLokality& z) const { prijemca.lokalita(z); }
    void operator()(const ZaznamZvierata& z) const { prijemca.zviera(z); }
    void operator()(const ZaznamNarodenia& z) const { prijemca.narodenie(z); }
    void operator()(const ZaznamPrichodu& z) const { prijemca.prichod(z); }
    void operator()(const ZaznamOdchodu& z) const { prijemca.odchod(z); }
    void operator()(const ZaznamOtelenia& z) const { prijemca.otelenie(z); }
    void operator()(const ZaznamZasusenia& z) const { prijemca.zasusenie(z); }
    void operator()(const ZaznamKontroly& z) const { prijemca.kontrola(z); }
    void operator()(const ZaznamLaktacie& z) const { prijemca.laktacia(z); }
    void operator()(const ZaznamHodnot& z) const { prijemca.hodnoty(z); }
    void operator()(const Pokrok& p) const {
        if (priebeh)
            priebeh(p.precitane, p.velkost);
    }
};

} // namespace

SubezneCitanie::SubezneCitanie(PrijemcaZaznamov& prijemca, int dnes)
    : m_prijemca(prijemca)
    , m_dnes(dnes) {}

void SubezneCitanie::citaj(const QString& cesta, const CitacZbierok::Priebeh& priebeh) {
    Rad rad;
    std::thread citanie([&rad, cesta, dnes = m_dnes, hlasit = bool(priebeh)] {
        std::exception_ptr chyba;
        try {
            Odosielatel odosielatel(rad);
            CitacZbierok::Priebeh pokrok;
            if (hlasit)
                pokrok = [&odosielatel](qint64 precitane, qint64 velkost) {
                    odosielatel.pokrok(precitane, velkost);
                };
            CitanieVymeny(odosielatel, dnes).citaj(cesta, pokrok);
            odosielatel.odosli();
        } catch (const Zastavene&) {
            // The receiving side stopped; it throws its own exception.
        } catch (...) {
            chyba = std::current_exception();
        }
        rad.skonci(std::move(chyba));
    });
    try {
        const Odovzdanie odovzdanie{m_prijemca, priebeh};
        Davka davka;
        while (rad.vyber(davka)) {
            for (const Polozka& polozka : davka)
                std::visit(odovzdanie, polozka);
        }
    } catch (...) {
        rad.zastav();
        citanie.join();
        throw;
    }
    citanie.join();
    if (const std::exception_ptr chyba = rad.chyba())
        std::rethrow_exception(chyba);
}
