#include "TDataModuleHlavny.h"

#include "MainDatasetFields.h"

TDataModuleHlavny::TDataModuleHlavny(const ConnectionSettings& settings, QObject* parent)
    : QObject(parent)
    , ADOConnectionTarvelin(new Connection(settings, this)) {
    setObjectName(QStringLiteral("DataModuleHlavny"));
    ADOConnectionTarvelin->setObjectName(QStringLiteral("ADOConnectionTarvelin"));

    const QStringList kontrolyStlpce = {
        QStringLiteral("SELECT z.usnecislo, ko.*,"),
        QStringLiteral("  (ko.mlieko/100 * tuk_perc) AS tuk,"),
        QStringLiteral("  (ko.mlieko/100 * bielkovina_perc) AS bielkovina,"),
        QStringLiteral("  (ko.mlieko/100 * laktoza_perc) AS laktoza"),
        QStringLiteral("FROM zvierata z, kontroly ko"),
        QStringLiteral("WHERE ko.krava_id = z.zviera_id AND"),
    };

    ADOQueryZvierata = query(
        "ADOQueryZvierata",
        {QStringLiteral("SELECT * FROM kravy_view"), QStringLiteral("WHERE chovatel LIKE :Chov")},
        MainDatasetFields::zvierata());
    ADOQueryKrava = query("ADOQueryKrava",
                          {QStringLiteral("SELECT * FROM kravy_viewf"),
                           QStringLiteral("WHERE usnecislo = :UsneCislo")},
                          MainDatasetFields::krava());
    ADOQueryPom = query("ADOQueryPom", {});
    ADOQueryKontrolyMlieka =
        query("ADOQueryKontrolyMlieka",
              kontrolyStlpce + QStringList{QStringLiteral("  z.chovatel LIKE :Chov AND"),
                                           QStringLiteral("  date_sub('2006-03-30', interval "
                                                          ":Dni day) <= datum")},
              MainDatasetFields::kontrolyMlieka(false));
    ADOQueryLaktacie = query("ADOQueryLaktacie",
                             {QStringLiteral("SELECT * FROM laktacie_view"),
                              QStringLiteral("WHERE chovatel_lakt LIKE :Chov")},
                             MainDatasetFields::laktacie(MainDatasetFields::Laktacie::Uzavrete));
    ADOTableFarby = table("ADOTableFarby", QStringLiteral("farby"));
    ADOTablePlemenneKnihy = table("ADOTablePlemenneKnihy", QStringLiteral("plemenne_knihy"));
    ADOTablePlemenneTypy = table("ADOTablePlemenneTypy", QStringLiteral("plemenne_typy"));
    ADOQueryRodokmen = query("ADOQueryRodokmen",
                             {QStringLiteral("SELECT * FROM rodokmen_view"),
                              QStringLiteral("WHERE usnecislo = :UsneCislo")},
                             MainDatasetFields::rodokmen());
    ADOQueryKontrolyMliekaKravy =
        query("ADOQueryKontrolyMliekaKravy",
              kontrolyStlpce + QStringList{QStringLiteral("  date_sub('2006-03-30', interval "
                                                          ":Dni day) <= datum AND"),
                                           QStringLiteral("  z.usnecislo = :UsneCislo")},
              MainDatasetFields::kontrolyMlieka(true));
    ADOQueryPrebiehajuceLaktacie =
        query("ADOQueryPrebiehajuceLaktacie",
              {QStringLiteral("SELECT * FROM prebiehajuce_laktacie_view"),
               QStringLiteral("WHERE chovatel LIKE :Chov")},
              MainDatasetFields::laktacie(MainDatasetFields::Laktacie::Prebiehajuce));
    ADOQueryVyradeneKravy =
        query("ADOQueryVyradeneKravy",
              {QStringLiteral("SELECT z.*, k.*, dv.nazov  AS dovod_vyradenia"),
               QStringLiteral("FROM zvierata z, kravy k, dovody_vyradenia dv"),
               QStringLiteral("WHERE "), QStringLiteral("  z.zviera_id = k.krava_id AND"),
               QStringLiteral("  k.dovod_vyradenia_id = dv.dovod_vyradenia_id AND"),
               QStringLiteral("  k.datumvyradenia >= date_sub(CURRENT_DATE, INTERVAL 180 DAY) AND"),
               QStringLiteral("  z.chovatel LIKE :Chov"),
               QStringLiteral("ORDER BY k.datumvyradenia DESC")},
              MainDatasetFields::vyradeneKravy());
    ADOQueryLaktacnaKrivka =
        query("ADOQueryLaktacnaKrivka",
              {QStringLiteral("SELECT * FROM kontroly_view"),
               QStringLiteral("WHERE usnecislo = :CisloKravy AND poradie_preb_laktacie = "
                              ":Poradie")});
    ADOQueryLaktacieKravy = query("ADOQueryLaktacieKravy",
                                  {QString(), QStringLiteral("Select * from laktela"),
                                   QStringLiteral("where  usnecislo= :CisloKravy")},
                                  MainDatasetFields::laktacie(MainDatasetFields::Laktacie::Kravy));
    ADOTableUniZostava = table("ADOTableUniZostava", QString());
    ADOQueryUniZostava = query("ADOQueryUniZostava", {});
    ADOQueryUniZostavy =
        query("ADOQueryUniZostavy",
              {QStringLiteral("SELECT * FROM sys_zostavy"), QStringLiteral("ORDER BY nazov")},
              MainDatasetFields::uniZostavy());
    ADOCommandUniZostava = new Command(ADOConnectionTarvelin, this);
    ADOCommandUniZostava->setObjectName(QStringLiteral("ADOCommandUniZostava"));
    ADOQueryParam = query("ADOQueryParam", {QStringLiteral("select * from param p")});

    ADOConnectionTarvelin->open();
    ADOQueryUniZostavy->open();
    ADOQueryParam->open();
}

TDataModuleHlavny::~TDataModuleHlavny() {
    ADOConnectionTarvelin->close();
}

Query* TDataModuleHlavny::query(const char* name, const QStringList& sql,
                                const QList<FieldDef>& fields) {
    auto* q = new Query(ADOConnectionTarvelin, this);
    q->setObjectName(QLatin1String(name));
    q->setSql(sql);
    q->setDeclaredFields(fields);
    return q;
}

Table* TDataModuleHlavny::table(const char* name, const QString& tableName) {
    auto* t = new Table(ADOConnectionTarvelin, this);
    t->setObjectName(QLatin1String(name));
    t->setTableName(tableName);
    return t;
}
