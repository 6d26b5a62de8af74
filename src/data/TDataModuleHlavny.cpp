#include "TDataModuleHlavny.h"

#include "MainDatasetFields.h"
#include "ReportReaderAccount.h"

using namespace Qt::Literals::StringLiterals;

namespace {

/// The reading account without its password, which only the database knows: free SQL never runs
/// under the owner's account, not even before the account is prepared.
ConnectionSettings citatelBezHesla(ConnectionSettings settings) {
    settings.user = ReportReaderAccount::userFor(settings.database);
    settings.password.clear();
    return settings;
}

} // namespace

TDataModuleHlavny::TDataModuleHlavny(const ConnectionSettings& settings, QObject* parent)
    : QObject(parent)
    , ADOConnectionTarvelin(new Connection(settings, this))
    , ADOConnectionUniZostava(new Connection(citatelBezHesla(settings), this)) {
    setObjectName(u"DataModuleHlavny"_s);
    ADOConnectionTarvelin->setObjectName(u"ADOConnectionTarvelin"_s);
    ADOConnectionUniZostava->setObjectName(u"ADOConnectionUniZostava"_s);

    const QStringList kontrolyStlpce = {
        u"SELECT z.usnecislo, ko.*,"_s,
        u"  (ko.mlieko/100 * tuk_perc) AS tuk,"_s,
        u"  (ko.mlieko/100 * bielkovina_perc) AS bielkovina,"_s,
        u"  (ko.mlieko/100 * laktoza_perc) AS laktoza"_s,
        u"FROM zvierata z, kontroly ko"_s,
        u"WHERE ko.krava_id = z.zviera_id AND"_s,
    };

    ADOQueryZvierata =
        query("ADOQueryZvierata", {u"SELECT * FROM kravy_view"_s, u"WHERE chovatel LIKE :Chov"_s},
              MainDatasetFields::zvierata());
    ADOQueryKrava =
        query("ADOQueryKrava", {u"SELECT * FROM kravy_viewf"_s, u"WHERE usnecislo = :UsneCislo"_s},
              MainDatasetFields::krava());
    ADOQueryPom = query("ADOQueryPom", {});
    ADOQueryKontrolyMlieka =
        query("ADOQueryKontrolyMlieka",
              kontrolyStlpce + QStringList{u"  z.chovatel LIKE :Chov AND"_s,
                                           u"  date_sub('2006-03-30', interval "
                                           u":Dni day) <= datum"_s},
              MainDatasetFields::kontrolyMlieka(false));
    ADOQueryLaktacie = query(
        "ADOQueryLaktacie", {u"SELECT * FROM laktacie_view"_s, u"WHERE chovatel_lakt LIKE :Chov"_s},
        MainDatasetFields::laktacie(MainDatasetFields::Laktacie::Uzavrete));
    ADOTableFarby = table("ADOTableFarby", u"farby"_s);
    ADOTablePlemenneKnihy = table("ADOTablePlemenneKnihy", u"plemenne_knihy"_s);
    ADOTablePlemenneTypy = table("ADOTablePlemenneTypy", u"plemenne_typy"_s);
    ADOQueryRodokmen = query("ADOQueryRodokmen",
                             {u"SELECT * FROM rodokmen_view"_s, u"WHERE usnecislo = :UsneCislo"_s},
                             MainDatasetFields::rodokmen());
    ADOQueryKontrolyMliekaKravy =
        query("ADOQueryKontrolyMliekaKravy",
              kontrolyStlpce + QStringList{u"  date_sub('2006-03-30', interval "
                                           u":Dni day) <= datum AND"_s,
                                           u"  z.usnecislo = :UsneCislo"_s},
              MainDatasetFields::kontrolyMlieka(true));
    ADOQueryPrebiehajuceLaktacie =
        query("ADOQueryPrebiehajuceLaktacie",
              {u"SELECT * FROM prebiehajuce_laktacie_view"_s, u"WHERE chovatel LIKE :Chov"_s},
              MainDatasetFields::laktacie(MainDatasetFields::Laktacie::Prebiehajuce));
    ADOQueryVyradeneKravy =
        query("ADOQueryVyradeneKravy",
              {u"SELECT z.*, k.*, dv.nazov  AS dovod_vyradenia"_s,
               u"FROM zvierata z, kravy k, dovody_vyradenia dv"_s, u"WHERE "_s,
               u"  z.zviera_id = k.krava_id AND"_s,
               u"  k.dovod_vyradenia_id = dv.dovod_vyradenia_id AND"_s,
               u"  k.datumvyradenia >= date_sub(CURRENT_DATE, INTERVAL 180 DAY) AND"_s,
               u"  z.chovatel LIKE :Chov"_s, u"ORDER BY k.datumvyradenia DESC"_s},
              MainDatasetFields::vyradeneKravy());
    ADOQueryLaktacnaKrivka = query("ADOQueryLaktacnaKrivka",
                                   {u"SELECT * FROM kontroly_view"_s,
                                    u"WHERE usnecislo = :CisloKravy AND poradie_preb_laktacie = "
                                    u":Poradie"_s});
    ADOQueryLaktacieKravy =
        query("ADOQueryLaktacieKravy",
              {QString(), u"Select * from laktela"_s, u"where  usnecislo= :CisloKravy"_s},
              MainDatasetFields::laktacie(MainDatasetFields::Laktacie::Kravy));
    ADOTableUniZostava = table("ADOTableUniZostava", QString(), ADOConnectionUniZostava);
    ADOTableUniZostava->setFieldsOnly(true);
    ADOQueryUniZostava = query("ADOQueryUniZostava", {}, {}, ADOConnectionUniZostava);
    ADOQueryUniZostavy =
        query("ADOQueryUniZostavy", {u"SELECT * FROM sys_zostavy"_s, u"ORDER BY nazov"_s},
              MainDatasetFields::uniZostavy());
    ADOCommandUniZostava = new Command(ADOConnectionTarvelin, this);
    ADOCommandUniZostava->setObjectName(u"ADOCommandUniZostava"_s);
    ADOQueryParam = query("ADOQueryParam", {u"select * from param p"_s});

    ADOConnectionTarvelin->open();
    ADOQueryUniZostavy->open();
    ADOQueryParam->open();
}

void TDataModuleHlavny::pripravUcetZostav() {
    ADOConnectionUniZostava->setSettings(ReportReaderAccount::create(*ADOConnectionTarvelin));
}

TDataModuleHlavny::~TDataModuleHlavny() {
    ADOConnectionUniZostava->close();
    ADOConnectionTarvelin->close();
}

Query* TDataModuleHlavny::query(const char* name, const QStringList& sql,
                                const QList<FieldDef>& fields, Connection* connection) {
    auto* q = new Query(connection ? connection : ADOConnectionTarvelin, this);
    q->setObjectName(QLatin1String(name));
    q->setSql(sql);
    q->setDeclaredFields(fields);
    return q;
}

Table* TDataModuleHlavny::table(const char* name, const QString& tableName,
                                Connection* connection) {
    auto* t = new Table(connection ? connection : ADOConnectionTarvelin, this);
    t->setObjectName(QLatin1String(name));
    t->setTableName(tableName);
    return t;
}
