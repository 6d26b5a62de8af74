#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <initializer_list>
#include <optional>
#include <rapidjson/document.h>
#include <vector>

/// The resource of a collection that a value belongs to.
struct MiestoClena {
    QString zbierka;
    qint64 index = 0;
    int riadok = 0;

    /// A field of the resource in words, e.g. "animals[12].identifier.id (riadok 240)".
    QString popis(const QString& pole) const;
    /// Refuses the file at that field of the resource (OdmietnutySubor).
    [[noreturn]] void odmietni(const QString& pole, const QString& dovod) const;
};

/// A value of an exchange file's resource with its place, read as the field expects it: a field
/// that is missing, null, of the wrong type or of a value that cannot be is refused
/// (OdmietnutySubor) with the collection, the resource's index and line and the field's path,
/// e.g. "animals[12].identifier.id (riadok 240)". Fields ending in "Ak" may be missing (or null)
/// and are then empty.
///
/// A field keeps the resource's place by reference: the resource's PoleVymeny and its place
/// outlive the fields read from it. The field's path is put into words only for a refusal.
class PoleVymeny {
public:
    PoleVymeny(const rapidjson::Value* hodnota, const MiestoClena& miesto);

    /// The member of an object (`nazov` a literal); a missing one reads as missing.
    PoleVymeny operator[](const char* nazov) const;
    bool existuje() const { return m_hodnota && !m_hodnota->IsNull(); }
    QString cesta() const;
    const MiestoClena& miesto() const { return *m_miesto; }

    QString text(int najviacZnakov = 0) const;
    std::optional<QString> textAk(int najviacZnakov = 0) const;
    double cislo() const;
    std::optional<double> cisloAk() const;
    /// A number written as text, as milk characteristics are.
    double cisloZTextu() const;
    std::optional<bool> logickaAk() const;
    /// A date, or a date and time whose day is taken as written; as a Julian day.
    int datum() const;
    std::optional<int> datumAk() const;
    /// A date and time as written, without converting its offset.
    std::optional<QDateTime> casAk() const;
    /// The index of the value in the list of those allowed.
    int vyber(std::initializer_list<const char*> povolene) const;
    std::optional<int> vyberAk(std::initializer_list<const char*> povolene) const;
    /// The items of a list; none when the field is missing.
    std::vector<PoleVymeny> zoznam() const;
    void musiBytObjekt() const;

    /// Refuses the file at this field.
    [[noreturn]] void odmietni(const QString& dovod) const;
    /// The field's place in words.
    QString popisMiesta() const;

private:
    /// One step of the path: a member's name, or an item's index.
    struct Krok {
        const char* nazov;
        int index;
    };
    static constexpr int kNajhlbsie = 8;

    PoleVymeny potomok(const rapidjson::Value* hodnota, Krok krok) const;
    const rapidjson::Value& hodnota() const;

    const rapidjson::Value* m_hodnota;
    const MiestoClena* m_miesto;
    /// The steps up to m_hlbka; those after it are never read.
    std::array<Krok, kNajhlbsie> m_cesta;
    int m_hlbka = 0;
};
