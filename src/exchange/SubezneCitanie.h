#pragma once

#include "CitacZbierok.h"

class PrijemcaZaznamov;

/// Reads an exchange file as CitanieVymeny does, but parses it in a thread of its own while the
/// receiver takes the records on the calling thread: the receiver's database work and the parsing
/// overlap. The receiver and the progress are only ever called on the calling thread, since the
/// session's temporary tables belong to that thread's connection and the progress may show a
/// window. At most a few batches of records wait between the two, so memory stays flat.
class SubezneCitanie {
public:
    /// `dnes` (a Julian day) is the latest day an event may fall on.
    SubezneCitanie(PrijemcaZaznamov& prijemca, int dnes);

    /// Throws what CitanieVymeny::citaj throws, once the records read before it are passed on;
    /// what the receiver or the progress throws stops the reading thread first.
    void citaj(const QString& cesta, const CitacZbierok::Priebeh& priebeh = {});

private:
    PrijemcaZaznamov& m_prijemca;
    int m_dnes;
};
