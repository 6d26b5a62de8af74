#include "ZamokVyberu.h"

#include "CakanieNaVyber.h"
#include "data/Connection.h"
#include "data/ReportReaderAccount.h"

#include <QScopeGuard>

using namespace Qt::Literals::StringLiterals;

namespace {

CakanieNaVyber* nainstalovaneCakanie = nullptr;

} // namespace

ZamokVyberu::ZamokVyberu(Connection& spojenie, const QString& praca) {
    CakanieNaVyber* ako = nainstalovaneCakanie;
    // The dialog goes as soon as the wait is over, however it ended.
    const auto koniec = qScopeGuard([ako] {
        if (ako)
            ako->koniec();
    });
    ServerLock::Waiting waiting;
    if (ako)
        waiting = [ako, praca](std::chrono::milliseconds cakane) {
            return ako->cakaj(praca, cakane);
        };
    m_zamok.emplace(spojenie, nazov(spojenie), cakanie,
                    u"Výber v databáze %1 práve používa iná zostava alebo iný používateľ programu "
                    "a neuvoľnil ho ani po %2 s. Skúste to znova o chvíľu."_s.arg(
                        spojenie.settings().database, QString::number(cakanie.count())),
                    waiting);
}

QString ZamokVyberu::nazov(Connection& spojenie) {
    return ReportReaderAccount::lockName(spojenie, u"tarvelin-vyber"_s);
}

void ZamokVyberu::nastavCakanie(CakanieNaVyber* cakanie) {
    nainstalovaneCakanie = cakanie;
}
