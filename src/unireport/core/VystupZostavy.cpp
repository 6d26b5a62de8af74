#include "VystupZostavy.h"

#include "DesatinyStlpca.h"
#include "data/DatabaseError.h"
#include "data/Query.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

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
