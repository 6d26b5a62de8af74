#pragma once

#include <QString>
#include <functional>
#include <rapidjson/document.h>

/// Reads an exchange file as a stream: a JSON object whose members are collections, each an
/// object with the array "member" of resources. Each resource is handed over on its own as soon
/// as it is read, so that memory holds one resource at a time whatever the size of the file.
/// Values of the file that are not collections, and the other members of a collection ("view"),
/// are passed over.
///
/// A file that is not JSON, or whose structure is not that of collections, is refused
/// (OdmietnutySubor) with the line and column where the fault lies; a file that cannot be read
/// fails with ChybaVymeny. Whatever the handlers throw ends the reading and reaches the caller.
class CitacZbierok {
public:
    /// One resource of a collection: the collection's name in the file, the resource's index in
    /// it (from 0) and the line it starts on.
    struct Clen {
        const QString& zbierka;
        qint64 index;
        int riadok;
        const rapidjson::Value& hodnota;
    };
    using Spracovanie = std::function<void(const Clen& clen)>;
    /// Bytes read so far and the file's size, now and then.
    using Priebeh = std::function<void(qint64 precitane, qint64 velkost)>;

    static void citaj(const QString& cesta, const Spracovanie& spracovanie,
                      const Priebeh& priebeh = {});
};
