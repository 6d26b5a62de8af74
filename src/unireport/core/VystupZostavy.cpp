#include "VystupZostavy.h"

#include "DesatinyStlpca.h"
#include "UlozenaZostava.h"
#include "data/Command.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/Query.h"
#include "reports/PripravaZostav.h"
#include "reports/ZamokVyberu.h"

#include <QRegularExpression>
#include <QScopeGuard>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Ends the statement the reading account's session runs, if any.
void zastav(Connection& vlastnik, unsigned long relacia) {
    try {
        vlastnik.executeDirect(u"KILL QUERY "_s + QString::number(relacia));
    } catch (const DatabaseError&) {
        // An owner without the right to end another account's statements on an external server
        // leaves it to the account's own time limit there; a session already gone has nothing
        // left to end.
    }
}

} // namespace

void VystupZostavy::over(const QString& prikaz) {
    if (prikaz.trimmed().isEmpty())
        throw DatabaseError(u"Zostava nemá príkaz SELECT (príkaz je prázdny)."_s);
    // Comments are not skipped: the database runs the text of a comment that begins with "/*!".
    static const QRegularExpression select(u"^\\s*SELECT(?![\\w$])"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    if (!select.match(prikaz).hasMatch())
        throw DatabaseError(u"Zostava smie obsahovať iba jeden príkaz SELECT."_s);
}

void VystupZostavy::otvor(Query& vystup, const QString& prikaz) {
    vystup.close();
    vystup.setSql({prikaz});
    vystup.setResultFieldFormats(&DesatinyStlpca::vzor);
    over(prikaz);
    vystup.open();
}

void VystupZostavy::otvor(Query& vystup, const UlozenaZostava& zostava, Connection& vlastnik,
                          const QString& kodVyberu, const Dataset::RowLimit& nadLimitom,
                          std::size_t limit) {
    Connection& citatel = *vystup.connection();
    ZamokVyberu zamok(vlastnik, u"Zostava „%1“"_s.arg(zostava.Nazov));
    Command parametre(&vlastnik);
    PripravaZostav::zapisVyber(parametre, kodVyberu);

    vystup.setRowLimit(limit, [&](std::size_t riadkov) {
        try {
            nadLimitom(riadkov);
        } catch (...) {
            // Before the rest of the result is skipped, which would otherwise be read to its end.
            zastav(vlastnik, citatel.sessionId());
            throw;
        }
    });
    const auto bezLimitu = qScopeGuard([&vystup] { vystup.setRowLimit(0, {}); });
    // A statement the reading account's session gave up waiting for is ended by the session's
    // own connection.
    otvor(vystup, zostava.SqlVyraz);
}
