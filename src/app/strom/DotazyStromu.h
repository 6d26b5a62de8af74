#pragma once

#include <QString>
#include <memory>

class Connection;
class Query;

/// The statements of the herd tree: the barns of an enterprise with their herds and the number
/// of their animals, the animals of a barn, and the barn of an animal. Each runs on a temporary
/// query of the program's connection, opened and handed to the caller, who releases it. Codes
/// are inserted into the statements only after they passed the code check.
class DotazyStromu {
public:
    /// One row per barn of the enterprise (chov, mastal, pocet), herds and barns in code order.
    static std::unique_ptr<Query> mastale(Connection* spojenie, const QString& podnik);
    static std::unique_ptr<Query> zvierata(Connection* spojenie, const QString& mastal);
    /// The barn code of a cow in recording with this ear number; empty when there is none.
    static QString mastalZvierata(Connection* spojenie, const QString& usneCislo);

    enum class Druh { Ziadne, Krava, Byk };
    struct ZvieraMimoStromu {
        Druh druh = Druh::Ziadne;
        QString usneCislo; ///< as the database spells it
    };
    /// A bull, or a cow with a record (culled ones too), of this ear number, which the tree
    /// may not hold; Ziadne for any other animal or none.
    static ZvieraMimoStromu zvieraMimoStromu(Connection* spojenie, const QString& usneCislo);
};
