#pragma once

#include <QString>
#include <memory>

class Connection;
class Query;

/// The statements of the herd tree: the herds of an enterprise, the barns of a herd, the animals
/// of a barn, and the animals under a selected code. Each runs on a temporary query of the
/// program's connection, opened and handed to the caller, who releases it. Codes are inserted
/// into the statements only after they passed the code check.
class DotazyStromu {
public:
    static std::unique_ptr<Query> chovy(Connection* spojenie, const QString& podnik);
    static std::unique_ptr<Query> mastale(Connection* spojenie, const QString& chov);
    static std::unique_ptr<Query> zvierata(Connection* spojenie, const QString& mastal);
    /// The number of animals whose barn code begins with the code.
    static int pocetZvierat(Connection* spojenie, const QString& kod);

    enum class Druh { Ziadne, Krava, Byk };
    struct ZvieraMimoStromu {
        Druh druh = Druh::Ziadne;
        QString usneCislo; ///< as the database spells it
    };
    /// A bull, or a cow with a record (culled ones too), of this ear number, which the tree
    /// may not hold; Ziadne for any other animal or none.
    static ZvieraMimoStromu zvieraMimoStromu(Connection* spojenie, const QString& usneCislo);
};
