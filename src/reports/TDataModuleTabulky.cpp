#include "TDataModuleTabulky.h"

#include "DatasetReportDataSet.h"
#include "PriecinokZostav.h"

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

TDataModuleTabulky::TDataModuleTabulky(Connection* connection, QObject* parent)
    : QObject(parent)
    , RvProjectTabulky(RvSystemTabulky, m_reportConnections,
                       PriecinokZostav::subor(s("Tabulky.rav")))
    , RvProjectTabulky2(RvSystemTabulky, m_reportConnections,
                        PriecinokZostav::subor(s("Tabulky2.rav")))
    , m_connection(connection) {
    setObjectName(s("DataModuleTabulky"));
    ADOCommandParametre = new Command(connection, this);
    ADOCommandParametre->setObjectName(s("ADOCommandParametre"));

    const QStringList mliekoOdDo = {
        QString(), s("Where  (t.mlieko  >=  :pMliekoOd and t.mlieko  <=  :pMliekoDo)"),
        s("ORDER BY mlieko DESC;")};

    ADOQueryHlavicka =
        query("ADOQueryHlavicka", "RvDataSetConnectionHlavicka", {s("SELECT * FROM paramwok")});
    ADOQueryTabulka1A =
        query("ADOQueryTabulka1A", "RvDataSetTabulka1A", {s("SELECT * FROM tab15v2")});
    ADOQueryTabulka1B =
        query("ADOQueryTabulka1B", "RvDataSetTabulka1B", {s("SELECT * FROM tab1b1v1")});
    ADOQueryTabulka1Bpriemer = query("ADOQueryTabulka1Bpriemer", "RvDataSetTabulka1BPriemer",
                                     {s("SELECT * FROM tab1b0v1")});
    ADOQueryTabulka2 = query("ADOQueryTabulka2", "RvDataSetTabulka2", {s("SELECT * FROM tab26v1")});
    ADOQueryTabulka4A =
        query("ADOQueryTabulka4A", "RvDataSetTabulka4A", {s("SELECT * FROM tab41v1")});
    ADOQueryTabulka5 = query("ADOQueryTabulka5", "RvDataSetTabulka5", {s("SELECT * FROM tab51v1")});
    ADOQueryTabulka5kravy =
        query("ADOQueryTabulka5kravy", "RvDataSetTabulka5kravy", {s("SELECT * FROM tab50v3kravy")});
    ADOQueryTabulka6A =
        query("ADOQueryTabulka6A", "RvDataSetTabulka6A", {s("SELECT * FROM tab63v1")});
    ADOQueryTabulka6AS =
        query("ADOQueryTabulka6AS", "RvDataSetTabulka6AS", {s("SELECT * FROM tab63v1sum")});
    ADOQueryTabulka6ASS =
        query("ADOQueryTabulka6ASS", "RvDataSetTabulka6ASS", {s("SELECT * FROM tab63v1ssum")});
    ADOQueryTabulka7A =
        query("ADOQueryTabulka7A", "RvDataSetTabulka7A", {s("SELECT * FROM tab7a3v1")});
    ADOQueryTabulka7B =
        query("ADOQueryTabulka7B", "RvDataSetTabulka7B", {s("SELECT * FROM tab7b3v1")});
    ADOQueryTabulka7AA = query("ADOQueryTabulka7AA", "RvDataSetTabulka7AA",
                               QStringList{s("SELECT * FROM tab7a0v1celml2 t")} + mliekoOdDo);
    ADOQueryTabulka7BB =
        query("ADOQueryTabulka7BB", "RvDataSetTabulka7BB",
              QStringList{s("SELECT * FROM tab7b0v1 t")} + mliekoOdDo + QStringList{QString()});
    ADOQueryTabulka8A =
        query("ADOQueryTabulka8A", "RvDataSetTabulka8A",
              {s("SELECT  *  FROM tab82v1 "), s("ORDER  BY  mlieko_kg_cel  DESC "), s("LIMIT 10")});
    ADOQuerytabulka8B =
        query("ADOQuerytabulka8B", "RvDataSetTabulka8B",
              {s("SELECT * FROM tab81v1"), s("ORDER BY mlieko_max DESC"), s("LIMIT 10")});
    ADOQueryTabulka9A =
        query("ADOQueryTabulka9A", "RvDataSetTabulka9A", {s("SELECT * FROM tab9a2v1")});
    ADOQueryTabulka9c =
        query("ADOQueryTabulka9c", "RvDataSetTabulka9c", {s("SELECT * FROM tab9b2v1"), QString()});
    ADOQueryTabulka9d = query("ADOQueryTabulka9d", "RvDataSetTabulka9d",
                              {s("SELECT * FROM tab9d0v1 t"), s(" WHERE t.medziobdobie > 400"),
                               s("ORDER BY t.usnecislo  ASC ")});
    ADOQueryTabulka10A =
        query("ADOQueryTabulka10A", "RvDataSetTabulka10A", {s("SELECT * FROM tab101v1")});
    ADOQueryTabulka10K =
        query("ADOQueryTabulka10K", "RvDataSetTabulka10K", {s("SELECT * FROM tab101v2")});
    ADOQueryTabulka10B =
        query("ADOQueryTabulka10B", "RvDataSetTabulka10B", {s("SELECT * FROM tab10B0v1")});
    ADOQueryTabulka11A = query("ADOQueryTabulka11A", "RvDataSetTabulka11A",
                               {s("SELECT * FROM tab11por00vsun00"), QString()});
    ADOQueryTabulka12 = query("ADOQueryTabulka12", "RvDataSetTabulka12",
                              {s("SELECT * FROM uzkravy k"), s("where  k.mb > '0'"),
                               s("ORDER BY   k.mb DESC "), QString()});
    ADOQueryTabulka13 =
        query("ADOQueryTabulka13", "RvDataSetTabulka13", {s("SELECT * FROM tab138v1")});
    ADOQueryTabulka15 =
        query("ADOQueryTabulka15", "RvDataSetTabulka15", {s("SELECT * FROM tab153v2")});
    ADOQueryTabulka16 =
        query("ADOQueryTabulka16", "RvDataSetTabulka16", {s("SELECT * FROM tab160v1")});
    ADOQueryTabulka17 =
        query("ADOQueryTabulka17", "RvDataSetTabulka17", {s("SELECT * FROM tab170v1")});
    ADOQueryTabulka18 = query("ADOQueryTabulka18", "RvDataSetTabulka18",
                              {s("SELECT * FROM tab180v1zaver9"), QString()});
    ADOQueryTabulka18p =
        query("ADOQueryTabulka18p", "RvDataSetTabulka18p", {s("SELECT * FROM tab180v1zaver10")});
    ADOQueryTabulka19 =
        query("ADOQueryTabulka19", "RvDataSetTabulka19", {s("SELECT * FROM tab194v1")});
    ADOQueryTabulka21 =
        query("ADOQueryTabulka21", "RvDataSetTabulka21", {s("SELECT * FROM tabj35v1")});
    ADOQueryTabulka22 =
        query("ADOQueryTabulka22", "RvDataSetTabulka22", {s("SELECT * FROM tabj52v1"), QString()});

    ADOQueryHlavicka->open();
}

Query* TDataModuleTabulky::query(const char* name, const char* publishedAs,
                                 const QStringList& sql) {
    auto* q = new Query(m_connection, this);
    q->setObjectName(s(name));
    q->setSql(sql);
    m_published.push_back({s(publishedAs), q, std::make_unique<DatasetReportDataSet>(*q)});
    m_reportConnections.publish(s(publishedAs), m_published.back().reportDataSet.get());
    return q;
}

TDataModuleTabulky::~TDataModuleTabulky() = default;
