#include "TDataModuleTabulky.h"

#include "DatasetReportDataSet.h"
#include "PriecinokZostav.h"

using namespace Qt::Literals::StringLiterals;

TDataModuleTabulky::TDataModuleTabulky(Connection* connection, QObject* parent)
    : QObject(parent)
    , RvProjectTabulky(RvSystemTabulky, m_reportConnections,
                       PriecinokZostav::subor(u"Tabulky.rav"_s))
    , RvProjectTabulky2(RvSystemTabulky, m_reportConnections,
                        PriecinokZostav::subor(u"Tabulky2.rav"_s))
    , m_connection(connection) {
    setObjectName(u"DataModuleTabulky"_s);
    ADOCommandParametre = new Command(connection, this);
    ADOCommandParametre->setObjectName(u"ADOCommandParametre"_s);

    const QStringList mliekoOdDo = {
        QString(), u"Where  (t.mlieko  >=  :pMliekoOd and t.mlieko  <=  :pMliekoDo)"_s,
        u"ORDER BY mlieko DESC, usnecislo;"_s};

    ADOQueryHlavicka = query(u"ADOQueryHlavicka"_s, u"RvDataSetConnectionHlavicka"_s,
                             {u"SELECT * FROM paramwok"_s});
    ADOQueryTabulka1A =
        query(u"ADOQueryTabulka1A"_s, u"RvDataSetTabulka1A"_s, {u"SELECT * FROM tab15v2"_s});
    ADOQueryTabulka1B =
        query(u"ADOQueryTabulka1B"_s, u"RvDataSetTabulka1B"_s, {u"SELECT * FROM tab1b1v1"_s});
    ADOQueryTabulka1Bpriemer = query(u"ADOQueryTabulka1Bpriemer"_s, u"RvDataSetTabulka1BPriemer"_s,
                                     {u"SELECT * FROM tab1b0v1"_s});
    ADOQueryTabulka2 =
        query(u"ADOQueryTabulka2"_s, u"RvDataSetTabulka2"_s, {u"SELECT * FROM tab26v1"_s});
    ADOQueryTabulka4A =
        query(u"ADOQueryTabulka4A"_s, u"RvDataSetTabulka4A"_s, {u"SELECT * FROM tab41v1"_s});
    ADOQueryTabulka5 =
        query(u"ADOQueryTabulka5"_s, u"RvDataSetTabulka5"_s, {u"SELECT * FROM tab51v1"_s});
    ADOQueryTabulka5kravy = query(u"ADOQueryTabulka5kravy"_s, u"RvDataSetTabulka5kravy"_s,
                                  {u"SELECT * FROM tab50v3kravy"_s});
    ADOQueryTabulka6A =
        query(u"ADOQueryTabulka6A"_s, u"RvDataSetTabulka6A"_s, {u"SELECT * FROM tab63v1"_s});
    ADOQueryTabulka6AS =
        query(u"ADOQueryTabulka6AS"_s, u"RvDataSetTabulka6AS"_s, {u"SELECT * FROM tab63v1sum"_s});
    ADOQueryTabulka6ASS = query(u"ADOQueryTabulka6ASS"_s, u"RvDataSetTabulka6ASS"_s,
                                {u"SELECT * FROM tab63v1ssum"_s});
    ADOQueryTabulka7A =
        query(u"ADOQueryTabulka7A"_s, u"RvDataSetTabulka7A"_s, {u"SELECT * FROM tab7a3v1"_s});
    ADOQueryTabulka7B =
        query(u"ADOQueryTabulka7B"_s, u"RvDataSetTabulka7B"_s, {u"SELECT * FROM tab7b3v1"_s});
    ADOQueryTabulka7AA = query(u"ADOQueryTabulka7AA"_s, u"RvDataSetTabulka7AA"_s,
                               QStringList{u"SELECT * FROM tab7a0v1celml2 t"_s} + mliekoOdDo);
    ADOQueryTabulka7BB =
        query(u"ADOQueryTabulka7BB"_s, u"RvDataSetTabulka7BB"_s,
              QStringList{u"SELECT * FROM tab7b0v1 t"_s} + mliekoOdDo + QStringList{QString()});
    ADOQueryTabulka8A = query(u"ADOQueryTabulka8A"_s, u"RvDataSetTabulka8A"_s,
                              {u"SELECT  *  FROM tab82v1 "_s,
                               u"ORDER  BY  mlieko_kg_cel  DESC, usnecislo "_s, u"LIMIT 10"_s});
    ADOQuerytabulka8B = query(
        u"ADOQuerytabulka8B"_s, u"RvDataSetTabulka8B"_s,
        {u"SELECT * FROM tab81v1"_s, u"ORDER BY mlieko_max DESC, usnecislo"_s, u"LIMIT 10"_s});
    ADOQueryTabulka9A =
        query(u"ADOQueryTabulka9A"_s, u"RvDataSetTabulka9A"_s, {u"SELECT * FROM tab9a2v1"_s});
    ADOQueryTabulka9c = query(u"ADOQueryTabulka9c"_s, u"RvDataSetTabulka9c"_s,
                              {u"SELECT * FROM tab9b2v1"_s, QString()});
    ADOQueryTabulka9d = query(u"ADOQueryTabulka9d"_s, u"RvDataSetTabulka9d"_s,
                              {u"SELECT * FROM tab9d0v1 t"_s, u" WHERE t.medziobdobie > 400"_s,
                               u"ORDER BY t.usnecislo  ASC "_s});
    ADOQueryTabulka10A =
        query(u"ADOQueryTabulka10A"_s, u"RvDataSetTabulka10A"_s, {u"SELECT * FROM tab101v1"_s});
    ADOQueryTabulka10K =
        query(u"ADOQueryTabulka10K"_s, u"RvDataSetTabulka10K"_s, {u"SELECT * FROM tab101v2"_s});
    ADOQueryTabulka10B =
        query(u"ADOQueryTabulka10B"_s, u"RvDataSetTabulka10B"_s, {u"SELECT * FROM tab10B0v1"_s});
    ADOQueryTabulka11A = query(u"ADOQueryTabulka11A"_s, u"RvDataSetTabulka11A"_s,
                               {u"SELECT * FROM tab11por00vsun00"_s, QString()});
    ADOQueryTabulka12 = query(u"ADOQueryTabulka12"_s, u"RvDataSetTabulka12"_s,
                              {u"SELECT * FROM uzkravy k"_s, u"where  k.mb > '0'"_s,
                               u"ORDER BY   k.mb DESC "_s, QString()});
    ADOQueryTabulka13 =
        query(u"ADOQueryTabulka13"_s, u"RvDataSetTabulka13"_s, {u"SELECT * FROM tab138v1"_s});
    ADOQueryTabulka15 =
        query(u"ADOQueryTabulka15"_s, u"RvDataSetTabulka15"_s, {u"SELECT * FROM tab153v2"_s});
    ADOQueryTabulka16 =
        query(u"ADOQueryTabulka16"_s, u"RvDataSetTabulka16"_s, {u"SELECT * FROM tab160v1"_s});
    ADOQueryTabulka17 =
        query(u"ADOQueryTabulka17"_s, u"RvDataSetTabulka17"_s, {u"SELECT * FROM tab170v1"_s});
    ADOQueryTabulka18 = query(u"ADOQueryTabulka18"_s, u"RvDataSetTabulka18"_s,
                              {u"SELECT * FROM tab180v1zaver9"_s, QString()});
    ADOQueryTabulka18p = query(u"ADOQueryTabulka18p"_s, u"RvDataSetTabulka18p"_s,
                               {u"SELECT * FROM tab180v1zaver10"_s});
    ADOQueryTabulka19 =
        query(u"ADOQueryTabulka19"_s, u"RvDataSetTabulka19"_s, {u"SELECT * FROM tab194v1"_s});
    ADOQueryTabulka21 =
        query(u"ADOQueryTabulka21"_s, u"RvDataSetTabulka21"_s, {u"SELECT * FROM tabj35v1"_s});
    ADOQueryTabulka22 = query(u"ADOQueryTabulka22"_s, u"RvDataSetTabulka22"_s,
                              {u"SELECT * FROM tabj52v1"_s, QString()});
    ADOQueryTabulka23Vemeno = query(u"ADOQueryTabulka23Vemeno"_s, u"RvDataSetTabulka23Vemeno"_s,
                                    {u"SELECT * FROM tab23vemeno"_s});
    ADOQueryTabulka23Ketoza = query(u"ADOQueryTabulka23Ketoza"_s, u"RvDataSetTabulka23Ketoza"_s,
                                    {u"SELECT * FROM tab23ketoza"_s});
    ADOQueryTabulka23Riziko = query(u"ADOQueryTabulka23Riziko"_s, u"RvDataSetTabulka23Riziko"_s,
                                    {u"SELECT * FROM tab23riziko"_s});
    ADOQueryTabulka23Mocovina =
        query(u"ADOQueryTabulka23Mocovina"_s, u"RvDataSetTabulka23Mocovina"_s,
              {u"SELECT * FROM tab23mocovina"_s});
    ADOQueryTabulka23Krivky = query(u"ADOQueryTabulka23Krivky"_s, u"RvDataSetTabulka23Krivky"_s,
                                    {u"SELECT * FROM tab23krivky"_s});

    ADOQueryHlavicka->open();
}

Query* TDataModuleTabulky::query(const QString& name, const QString& publishedAs,
                                 const QStringList& sql) {
    auto* q = new Query(m_connection, this);
    q->setObjectName(name);
    q->setSql(sql);
    m_published.push_back({publishedAs, q, std::make_unique<DatasetReportDataSet>(*q)});
    m_reportConnections.publish(publishedAs, m_published.back().reportDataSet.get());
    return q;
}

TDataModuleTabulky::~TDataModuleTabulky() = default;
