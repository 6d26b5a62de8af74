#include "ZamokVyberu.h"

#include "data/Connection.h"

using namespace Qt::Literals::StringLiterals;

ZamokVyberu::ZamokVyberu(Connection& spojenie)
    : m_zamok(spojenie, ServerLock::nameFor(u"tarvelin-vyber"_s, spojenie.settings().database),
              cakanie,
              u"Výber v databáze %1 práve používa iná zostava alebo iný používateľ programu a "
              "neuvoľnil ho ani po %2 s. Skúste to znova o chvíľu."_s.arg(
                  spojenie.settings().database, QString::number(cakanie.count()))) {}
