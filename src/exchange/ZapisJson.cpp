#include "ZapisJson.h"

#include "ChybaVymeny.h"

#include "data/CheckedSave.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr size_t kVelkostBloku = 1 << 20;

} // namespace

ZapisJson::ZapisJson(const QString& cesta)
    : m_cesta(cesta)
    , m_subor(cesta)
    , m_json(m_text) {
    const QString problem = CheckedSave::open(m_subor);
    if (!problem.isEmpty())
        throw ChybaVymeny(
            u"Súbor %1 sa nedá zapísať: %2"_s.arg(QDir::toNativeSeparators(cesta), problem));
}

void ZapisJson::odosli() {
    const QByteArray blok =
        QByteArray::fromRawData(m_text.GetString(), qsizetype(m_text.GetSize()));
    if (!CheckedSave::write(m_subor, blok)) {
        const QString problem = m_subor.errorString();
        m_subor.cancelWriting();
        throw ChybaVymeny(
            u"Súbor %1 sa nedá zapísať: %2"_s.arg(QDir::toNativeSeparators(m_cesta), problem));
    }
    m_zapisane += blok.size();
    m_text.Clear();
}

void ZapisJson::priebezne() {
    if (m_text.GetSize() >= kVelkostBloku)
        odosli();
}

qint64 ZapisJson::dokonci() {
    if (!m_json.IsComplete())
        throw ChybaVymeny(u"Chyba programu: súbor %1 nie je celý."_s.arg(m_cesta));
    m_text.Put('\n');
    odosli();
    const QString problem = CheckedSave::commit(m_subor);
    if (!problem.isEmpty())
        throw ChybaVymeny(
            u"Súbor %1 sa nedá zapísať: %2"_s.arg(QDir::toNativeSeparators(m_cesta), problem));
    return m_zapisane;
}
