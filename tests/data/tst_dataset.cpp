#include "common/TestDatabase.h"
#include "common/TestHelpers.h"
#include "data/DatabaseError.h"
#include "data/Query.h"
#include "data/StatementLogFile.h"
#include "data/Table.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString longText = u"ľad "_s.repeated(1500);

} // namespace

/// The static cursor against a table of every column kind the database has: each kind keeps
/// its values (NULLs, extremes, zero dates, UTF-8, empty texts, texts longer than a read
/// buffer), declared fields convert and check, parameters stay values, every statement is
/// logged, and the cursor moves and reopens as it should.
class TestDataset final : public QObject {
    Q_OBJECT

public:
    TestDataset() {
        // The log file is opened with the first statement of the process, so it is named first.
        qputenv("TARVELIN_SQL_LOG", m_logFolder.filePath(u"sql.log"_s).toUtf8());
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(u"sk_SK"_s));
        m_db = std::make_unique<TestDatabase>(u"dataset"_s);
        m_db->exec(u"CREATE TABLE druhy (id INT AUTO_INCREMENT PRIMARY KEY, t_tiny TINYINT, "
                   "t_small SMALLINT, t_medium MEDIUMINT, t_int INT, t_uint INT UNSIGNED, "
                   "t_big BIGINT, t_ubig BIGINT UNSIGNED, t_float FLOAT, t_double DOUBLE, "
                   "t_dec DECIMAL(12,3), t_date DATE, t_dt DATETIME, t_dt3 DATETIME(3), "
                   "t_ts TIMESTAMP NULL, t_time TIME, t_year YEAR, t_char CHAR(3), "
                   "t_var VARCHAR(20), t_text TEXT, t_blob BLOB, t_enum ENUM('a','bb'), "
                   "t_bit BIT(8))"_s);
        m_db->exec(u"INSERT INTO druhy (id) VALUES (1)"_s);
        m_db->exec(u"INSERT INTO druhy VALUES (2, -128, -32768, -8388608, -2147483648, 0, "
                   "-9223372036854775808, 0, -1.5, -2.5e-300, -123456789.125, '0000-00-00', "
                   "'0000-00-00 00:00:00', NULL, NULL, '-838:59:59', 1901, '', '', '', '', "
                   "'a', b'0')"_s);
        m_db->exec(u"INSERT INTO druhy VALUES (3, 127, 32767, 8388607, 2147483647, 4294967295, "
                   "9223372036854775807, 18446744073709551615, 0.1, 0.1, 999999999.999, "
                   "'2006-03-30', '2006-03-30 14:05:09', '2006-03-30 14:05:09.123', "
                   "'2006-03-30 14:05:09', '14:05:09', 2155, 'Žľť', 'Čučoriedka 🐄 ľ', "
                   "REPEAT('ľad ', 1500), UNHEX('00FF41'), 'bb', b'10100101')"_s);
        m_db->exec(u"INSERT INTO druhy (id, t_date, t_var, t_text) VALUES (4, '2006-03-00', "
                   "'O''Neil\\\\', 'krátky')"_s);
        m_connection = std::make_unique<Connection>(m_db->settings());
        m_all = std::make_unique<Query>(m_connection.get());
        m_all->setSql({u"SELECT * FROM druhy ORDER BY id"_s});
        m_all->open();
    }

    void resultFieldsCarryKindAndSize_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<FieldKind>("kind");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("scale");
        QTest::newRow("auto increment") << "id" << FieldKind::AutoIncrement << 11 << 0;
        QTest::newRow("8 bits") << "t_tiny" << FieldKind::SmallInt << 4 << 0;
        QTest::newRow("16 bits") << "t_small" << FieldKind::SmallInt << 6 << 0;
        QTest::newRow("24 bits") << "t_medium" << FieldKind::Integer << 9 << 0;
        QTest::newRow("32 bits") << "t_int" << FieldKind::Integer << 11 << 0;
        QTest::newRow("32 bits unsigned") << "t_uint" << FieldKind::LargeInt << 10 << 0;
        QTest::newRow("64 bits") << "t_big" << FieldKind::LargeInt << 20 << 0;
        QTest::newRow("64 bits unsigned") << "t_ubig" << FieldKind::LargeInt << 20 << 0;
        QTest::newRow("float") << "t_float" << FieldKind::Float << 12 << 0;
        QTest::newRow("double") << "t_double" << FieldKind::Float << 22 << 0;
        QTest::newRow("decimal") << "t_dec" << FieldKind::Decimal << 12 << 3;
        QTest::newRow("date") << "t_date" << FieldKind::Date << 10 << 0;
        QTest::newRow("datetime") << "t_dt" << FieldKind::DateTime << 19 << 0;
        QTest::newRow("datetime with fraction") << "t_dt3" << FieldKind::DateTime << 23 << 0;
        QTest::newRow("timestamp") << "t_ts" << FieldKind::DateTime << 19 << 0;
        QTest::newRow("time") << "t_time" << FieldKind::Time << 10 << 0;
        QTest::newRow("year") << "t_year" << FieldKind::SmallInt << 4 << 0;
        QTest::newRow("char in characters") << "t_char" << FieldKind::Text << 3 << 0;
        QTest::newRow("varchar in characters") << "t_var" << FieldKind::Text << 20 << 0;
        QTest::newRow("text") << "t_text" << FieldKind::Text << 65535 << 0;
        QTest::newRow("blob") << "t_blob" << FieldKind::Other << 65535 << 0;
        QTest::newRow("enum") << "t_enum" << FieldKind::Text << 2 << 0;
        QTest::newRow("bit") << "t_bit" << FieldKind::Other << 8 << 0;
    }
    void resultFieldsCarryKindAndSize() {
        QFETCH(QString, field);
        QFETCH(FieldKind, kind);
        QFETCH(int, size);
        QFETCH(int, scale);
        const FieldDef& def = m_all->fields().at(m_all->requireField(field));
        QCOMPARE(def.name, field);
        QCOMPARE(def.kind, kind);
        QCOMPARE(def.size, size);
        QCOMPARE(def.scale, scale);
    }

    void computedColumnsCarryTheirKind() {
        Query query(m_connection.get());
        query.setSql({u"SELECT t_int + 1 AS vyraz, CONCAT(t_var, 'x') AS spojene, "
                      "SUM(t_dec) AS suma, NULL AS nic FROM druhy"_s});
        query.open();
        QCOMPARE(query.fields()[0].kind, FieldKind::LargeInt);
        QCOMPARE(query.fields()[1].kind, FieldKind::Text);
        QCOMPARE(query.fields()[1].size, 21);
        QCOMPARE(query.fields()[2].kind, FieldKind::Decimal);
        QCOMPARE(query.fields()[2].scale, 3);
        QCOMPARE(query.fields()[3].kind, FieldKind::Other);
        QVERIFY(!query.value(0, 3).isValid());
    }

    void valuesRoundTrip_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("id");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<QString>("shown");

        const auto add = [](const char* name, const char* field, int id, const QVariant& value,
                            const QString& shown) {
            QTest::newRow(name) << QString::fromLatin1(field) << id << value << shown;
        };
        for (const char* field : {"t_tiny", "t_int", "t_big", "t_ubig", "t_double", "t_dec",
                                  "t_date", "t_dt", "t_time", "t_var", "t_text", "t_blob", "t_bit"})
            add(qPrintable(u"NULL "_s + QLatin1String(field)), field, 1, QVariant(), QString());

        add("8 bits lowest", "t_tiny", 2, -128, u"-128"_s);
        add("16 bits lowest", "t_small", 2, -32768, u"-32768"_s);
        add("24 bits lowest", "t_medium", 2, -8388608, u"-8388608"_s);
        add("32 bits lowest", "t_int", 2, int(-2147483647 - 1), u"-2147483648"_s);
        add("32 bits highest", "t_int", 3, 2147483647, u"2147483647"_s);
        add("32 bits unsigned highest", "t_uint", 3, qlonglong(4294967295), u"4294967295"_s);
        add("64 bits lowest", "t_big", 2, std::numeric_limits<qlonglong>::min(),
            u"-9223372036854775808"_s);
        add("64 bits highest", "t_big", 3, std::numeric_limits<qlonglong>::max(),
            u"9223372036854775807"_s);
        add("64 bits unsigned highest", "t_ubig", 3, std::numeric_limits<qulonglong>::max(),
            u"18446744073709551615"_s);
        add("float as shown", "t_float", 3, 0.1, u"0,1"_s);
        add("negative float", "t_float", 2, -1.5, u"-1,5"_s);
        add("double", "t_double", 3, 0.1, u"0,1"_s);
        add("tiny double", "t_double", 2, -2.5e-300, u"-2,5e-300"_s);
        add("negative decimal", "t_dec", 2, -123456789.125, u"-123456789,125"_s);
        add("decimal", "t_dec", 3, 999999999.999, u"999999999,999"_s);
        add("date", "t_date", 3, QDate(2006, 3, 30), u"30. 3. 2006"_s);
        add("zero date", "t_date", 2, QDate(), QString());
        add("date without a day", "t_date", 4, QDate(), QString());
        add("datetime", "t_dt", 3, QDateTime(QDate(2006, 3, 30), QTime(14, 5, 9)),
            u"30. 3. 2006 14:05"_s);
        add("zero datetime", "t_dt", 2, QDateTime(), QString());
        add("datetime with milliseconds", "t_dt3", 3,
            QDateTime(QDate(2006, 3, 30), QTime(14, 5, 9, 123)), u"30. 3. 2006 14:05"_s);
        add("timestamp", "t_ts", 3, QDateTime(QDate(2006, 3, 30), QTime(14, 5, 9)),
            u"30. 3. 2006 14:05"_s);
        add("time of day", "t_time", 3, QTime(14, 5, 9), u"14:05"_s);
        add("negative duration", "t_time", 2, u"-838:59:59"_s, u"-838:59:59"_s);
        add("year", "t_year", 3, 2155, u"2155"_s);
        add("UTF-8 char", "t_char", 3, u"Žľť"_s, u"Žľť"_s);
        add("UTF-8 beyond the basic plane", "t_var", 3, u"Čučoriedka 🐄 ľ"_s, u"Čučoriedka 🐄 ľ"_s);
        add("empty text is no NULL", "t_var", 2, QString(u""_s), QString());
        add("quote and backslash", "t_var", 4, u"O'Neil\\"_s, u"O'Neil\\"_s);
        add("text longer than a read buffer", "t_text", 3, longText, longText);
        add("short text after a long one", "t_text", 4, u"krátky"_s, u"krátky"_s);
        add("bytes", "t_blob", 3, QByteArray("\x00\xff\x41", 3), QString());
        add("enum", "t_enum", 3, u"bb"_s, u"bb"_s);
        add("bits as bytes", "t_bit", 3, QByteArray("\xa5", 1), QString());
    }
    void valuesRoundTrip() {
        QFETCH(QString, field);
        QFETCH(int, id);
        QFETCH(QVariant, expected);
        QFETCH(QString, shown);
        const int column = m_all->requireField(field);
        const QVariant value = m_all->value(id - 1, column);
        QCOMPARE(value.typeId(), expected.typeId());
        QCOMPARE(value, expected);
        QCOMPARE(value.isValid(), expected.isValid());
        if (value.typeId() != QMetaType::QByteArray)
            QCOMPARE(m_all->displayText(id - 1, column), shown);
    }

    void declaredFieldsConvert_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<FieldKind>("kind");
        QTest::addColumn<int>("id");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("decimal rounded to integer")
            << "t_dec" << FieldKind::Integer << 2 << QVariant(-123456789);
        QTest::newRow("double to integer") << "t_float" << FieldKind::SmallInt << 2 << QVariant(-2);
        QTest::newRow("integer as text")
            << "t_int" << FieldKind::Text << 3 << QVariant(u"2147483647"_s);
        QTest::newRow("double as text") << "t_double" << FieldKind::Text << 3 << QVariant(u"0.1"_s);
        QTest::newRow("decimal as text")
            << "t_dec" << FieldKind::FixedText << 3 << QVariant(u"999999999.999"_s);
        QTest::newRow("date as text")
            << "t_date" << FieldKind::Text << 3 << QVariant(u"2006-03-30"_s);
        QTest::newRow("datetime as text")
            << "t_dt" << FieldKind::Text << 3 << QVariant(u"2006-03-30 14:05:09"_s);
        QTest::newRow("integer as float")
            << "t_big" << FieldKind::Float << 3 << QVariant(9223372036854775807.0);
        QTest::newRow("decimal as decimal")
            << "t_dec" << FieldKind::Decimal << 2 << QVariant(-123456789.125);
        QTest::newRow("datetime as date")
            << "t_dt" << FieldKind::Date << 3 << QVariant(QDate(2006, 3, 30));
        QTest::newRow("date as datetime") << "t_date" << FieldKind::DateTime << 3
                                          << QVariant(QDateTime(QDate(2006, 3, 30), QTime(0, 0)));
        QTest::newRow("text as date")
            << "datum_text" << FieldKind::Date << 3 << QVariant(QDate(2006, 3, 30));
        QTest::newRow("text as datetime")
            << "cas_text" << FieldKind::DateTime << 3
            << QVariant(QDateTime(QDate(2006, 3, 30), QTime(14, 5, 9, 123)));
        QTest::newRow("text as time")
            << "trvanie_text" << FieldKind::Time << 3 << QVariant(QTime(14, 5, 9));
        QTest::newRow("text as duration")
            << "trvanie_text" << FieldKind::Time << 2 << QVariant(u"-838:59:59"_s);
        QTest::newRow("text as 64 bits") << "cislo_text" << FieldKind::LargeInt << 2
                                         << QVariant(std::numeric_limits<qlonglong>::min());
        QTest::newRow("text with a fraction as integer")
            << "podiel_text" << FieldKind::Integer << 2 << QVariant(-123456789);
        QTest::newRow("text that is no number as integer")
            << "t_enum" << FieldKind::Integer << 3 << QVariant(0);
        QTest::newRow("NULL stays NULL") << "t_int" << FieldKind::Text << 1 << QVariant();
    }
    void declaredFieldsConvert() {
        QFETCH(QString, field);
        QFETCH(FieldKind, kind);
        QFETCH(int, id);
        QFETCH(QVariant, expected);
        Query query(m_connection.get());
        query.setSql({u"SELECT *, CONCAT(t_date) AS datum_text, CONCAT(t_dt3) AS cas_text,"_s,
                      u"  CONCAT(t_time) AS trvanie_text, CONCAT(t_big) AS cislo_text,"_s,
                      u"  CONCAT(t_dec) AS podiel_text"_s, u"FROM druhy WHERE id = :id"_s});
        query.setDeclaredFields({FieldDef::make(field, kind)});
        query.setParameter(u"id"_s, id);
        query.open();
        QCOMPARE(query.value(0, 0).typeId(), expected.typeId());
        QCOMPARE(query.value(0, 0), expected);
    }

    void declaredFieldsExactlyInTheirOrder() {
        Query query(m_connection.get());
        query.setSql({u"SELECT * FROM druhy ORDER BY id"_s});
        query.setDeclaredFields({FieldDef::text(u"T_VAR"_s, 20), FieldDef::integer(u"id"_s),
                                 FieldDef::date(u"t_date"_s), FieldDef::integer(u"ID"_s)});
        query.open();
        QCOMPARE(query.fieldCount(), 4);
        QCOMPARE(query.fields()[0].name, u"T_VAR"_s);
        QCOMPARE(query.fields()[0].size, 20);
        QCOMPARE(query.value(2, 0), QVariant(u"Čučoriedka 🐄 ľ"_s));
        QCOMPARE(query.value(2, 1), QVariant(3));
        QCOMPARE(query.value(2, 2), QVariant(QDate(2006, 3, 30)));
        QCOMPARE(query.value(3, 3), QVariant(4));
        QCOMPARE(query.fieldIndex(u"t_blob"_s), -1);
    }

    void declaredFieldMissingOrOfAnotherKind_data() {
        QTest::addColumn<FieldDef>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing")
            << FieldDef::integer(u"chyba"_s)
            << "ADOQuerySkuska: pole 'chyba' sa vo výsledku dotazu nenachádza.";
        QTest::newRow("date over a number") << FieldDef::date(u"t_int"_s)
                                            << "ADOQuerySkuska: pole 't_int' má typ číslo, "
                                               "očakáva sa dátum.";
        QTest::newRow("number over a date") << FieldDef::floating(u"t_dt"_s)
                                            << "ADOQuerySkuska: pole 't_dt' má typ dátum, "
                                               "očakáva sa číslo.";
        QTest::newRow("time over a date") << FieldDef::time(u"t_date"_s)
                                          << "ADOQuerySkuska: pole 't_date' má typ dátum, "
                                             "očakáva sa čas.";
    }
    void declaredFieldMissingOrOfAnotherKind() {
        QFETCH(FieldDef, field);
        QFETCH(QString, message);
        Query query(m_connection.get());
        query.setObjectName(u"ADOQuerySkuska"_s);
        query.setSql({u"SELECT * FROM druhy"_s});
        query.setDeclaredFields({FieldDef::integer(u"id"_s), field});
        QSignalSpy opened(&query, &Dataset::opened);
        try {
            query.open();
            QFAIL("opening should fail");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.message(), message);
        }
        QVERIFY(!query.isOpen());
        QCOMPARE(opened.count(), 0);
        // The refused result was dropped, so the connection serves the next statement.
        query.setDeclaredFields({});
        query.open();
        QCOMPARE(query.recordCount(), 4);
    }

    void parametersStayValues_data() {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("injection attempt") << QVariant(u"x' OR '1'='1"_s);
        QTest::newRow("backslash and quote") << QVariant(u"\\'"_s);
        QTest::newRow("lone backslash") << QVariant(u"a\\"_s);
        QTest::newRow("UTF-8") << QVariant(u"Čučoriedka 🐄 ľ"_s);
        QTest::newRow("empty text") << QVariant(QString::fromLatin1(""));
        QTest::newRow("NULL") << QVariant();
        QTest::newRow("null text is NULL") << QVariant(QString());
        QTest::newRow("integer") << QVariant(-42);
        QTest::newRow("64 bits") << QVariant(std::numeric_limits<qlonglong>::min());
        QTest::newRow("fraction") << QVariant(-1.25);
        QTest::newRow("bool") << QVariant(true);
    }
    void parametersStayValues() {
        QFETCH(QVariant, value);
        Query query(m_connection.get());
        // The same name twice binds twice; the one in quotes is no parameter.
        query.setSql({u"SELECT ':hodnota' AS doslova, :hodnota AS hodnota,"_s,
                      u"  :hodnota IS NULL AS prazdna"_s});
        QCOMPARE(query.parameterNames(), QStringList{u"hodnota"_s});
        query.setParameter(u"hodnota"_s, value);
        query.open();
        QCOMPARE(query.text(u"doslova"_s), u":hodnota"_s);
        const bool isNull =
            !value.isValid() || (value.typeId() == QMetaType::QString && value.toString().isNull());
        QCOMPARE(query.value(u"prazdna"_s).toInt(), isNull ? 1 : 0);
        if (isNull)
            QVERIFY(!query.value(u"hodnota"_s).isValid());
        else if (value.typeId() == QMetaType::Bool)
            QCOMPARE(query.value(u"hodnota"_s).toInt(), 1);
        else
            QCOMPARE(query.text(u"hodnota"_s), value.toString());
    }

    void parametersFindRows_data() {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("id");
        QTest::newRow("text with quote and backslash")
            << "t_var = :v" << QVariant(u"O'Neil\\"_s) << 4;
        QTest::newRow("date") << "t_date = :v" << QVariant(QDate(2006, 3, 30)) << 3;
        QTest::newRow("datetime") << "t_dt = :v"
                                  << QVariant(QDateTime(QDate(2006, 3, 30), QTime(14, 5, 9))) << 3;
        QTest::newRow("time") << "t_time = :v" << QVariant(QTime(14, 5, 9)) << 3;
        QTest::newRow("unsigned") << "t_ubig = :v"
                                  << QVariant(std::numeric_limits<qulonglong>::max()) << 3;
        QTest::newRow("bytes") << "t_blob = :v" << QVariant(QByteArray("\x00\xff\x41", 3)) << 3;
    }
    void parametersFindRows() {
        QFETCH(QString, condition);
        QFETCH(QVariant, value);
        QFETCH(int, id);
        Query query(m_connection.get());
        query.setSql({u"SELECT id FROM druhy WHERE "_s + condition});
        query.setParameter(u"v"_s, value);
        query.open();
        QCOMPARE(query.recordCount(), 1);
        QCOMPARE(query.value(0, 0), QVariant(id));
    }

    void everyStatementIsLogged() {
        QSignalSpy sent(m_connection.get(), &Connection::statementSent);
        Query query(m_connection.get());
        query.setSql({u"SELECT id FROM druhy"_s, u"WHERE t_var = :v OR id = :id"_s});
        query.setParameter(u"v"_s, u"O'Neil\\"_s);
        query.setParameter(u"id"_s, 2);
        query.open();
        Table table(m_connection.get());
        table.setTableName(u"druhy"_s);
        table.open();
        Query broken(m_connection.get());
        broken.setSql({u"SELECT FROM WHERE"_s});
        try {
            broken.open();
            QFAIL("a broken statement should fail");
        } catch (const DatabaseError& error) {
            // The user's sentence first, the server's own words below it.
            QVERIFY2(error.message().startsWith(u"Príkaz nie je správne zapísaný"_s) &&
                         error.message().contains(u"You have an error in your SQL syntax"_s),
                     qPrintable(error.message()));
        }

        const ParameterValues bound = {{u"v"_s, u"O'Neil\\"_s}, {u"id"_s, 2}};
        QCOMPARE(sent.count(), 3);
        QCOMPARE(sent[0][0].toString(), u"SELECT id FROM druhy\nWHERE t_var = :v OR id = :id"_s);
        QCOMPARE(sent[0][1].value<ParameterValues>(), bound);
        QCOMPARE(sent[1][0].toString(), u"SELECT * FROM druhy"_s);
        QVERIFY(sent[1][1].value<ParameterValues>().empty());
        QCOMPARE(sent[2][0].toString(), u"SELECT FROM WHERE"_s);

        QFile log(m_logFolder.filePath(u"sql.log"_s));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString written = QString::fromUtf8(log.readAll());
        const QString expected = StatementLogFile::format(sent[0][0].toString(), bound) +
                                 StatementLogFile::format(u"SELECT * FROM druhy"_s, {}) +
                                 StatementLogFile::format(u"SELECT FROM WHERE"_s, {});
        QVERIFY2(written.endsWith(expected), qPrintable(written.right(400)));
    }

    void cursorMovesAndSignals() {
        Query query(m_connection.get());
        query.setSql({u"SELECT id FROM druhy ORDER BY id"_s});
        QSignalSpy opened(&query, &Dataset::opened);
        QSignalSpy closed(&query, &Dataset::closed);
        QSignalSpy moved(&query, &Dataset::currentRowChanged);
        QCOMPARE(query.currentRow(), -1);
        query.open();
        QCOMPARE(opened.count(), 1);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved[0][0].toInt(), 0);
        QCOMPARE(query.currentRow(), 0);
        QVERIFY(!query.eof());
        QCOMPARE(query.value(u"id"_s), QVariant(1));
        query.open();
        QCOMPARE(opened.count(), 1);

        for (int expected : {1, 2, 3}) {
            query.next();
            QCOMPARE(query.currentRow(), expected);
            QVERIFY(!query.eof());
        }
        query.next();
        QCOMPARE(query.currentRow(), 3);
        QVERIFY(query.eof());
        QCOMPARE(moved.count(), 4);
        query.prior();
        QCOMPARE(query.currentRow(), 2);
        QVERIFY(!query.eof());
        query.setCurrentRow(99);
        QCOMPARE(query.currentRow(), 3);
        query.first();
        QCOMPARE(query.currentRow(), 0);
        query.prior();
        QCOMPARE(query.currentRow(), 0);
        query.last();
        QCOMPARE(query.value(u"id"_s), QVariant(4));

        query.close();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(query.currentRow(), -1);
        QVERIFY(query.eof());
        QCOMPARE(query.recordCount(), 0);
        QCOMPARE(query.fieldCount(), 0);
        QVERIFY(!query.value(0, 0).isValid());
    }

    void emptyResultHasNoCurrentRow() {
        Query query(m_connection.get());
        query.setSql({u"SELECT * FROM druhy WHERE id = 0"_s});
        QSignalSpy moved(&query, &Dataset::currentRowChanged);
        query.open();
        QVERIFY(query.isEmpty());
        QCOMPARE(query.fieldCount(), 23);
        QCOMPARE(query.currentRow(), -1);
        QVERIFY(query.eof());
        query.next();
        query.first();
        QCOMPARE(query.currentRow(), -1);
        QVERIFY(!query.value(u"id"_s).isValid());
        QCOMPARE(moved.count(), 1);
    }

    void reopenReadsAfresh() {
        Query query(m_connection.get());
        query.setSql({u"SELECT id FROM druhy WHERE id >= :od ORDER BY id"_s});
        query.setParameter(u"od"_s, 3);
        query.open();
        QCOMPARE(query.recordCount(), 2);
        query.last();
        QSignalSpy closed(&query, &Dataset::closed);
        QSignalSpy opened(&query, &Dataset::opened);
        m_db->exec(u"INSERT INTO druhy (id) VALUES (5)"_s);
        query.setParameter(u"od"_s, 2);
        query.reopen();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(query.recordCount(), 4);
        QCOMPARE(query.currentRow(), 0);
        QCOMPARE(query.value(3, 0), QVariant(5));
        m_db->exec(u"DELETE FROM druhy WHERE id = 5"_s);
    }

    void manyRowsAcrossStorageChunks() {
        // More rows than one chunk of a column holds, NULLs throughout.
        constexpr int count = 40000;
        Query query(m_connection.get());
        query.setSql({u"WITH RECURSIVE n (i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                      "WHERE i < 199),"_s,
                      u"  m (i) AS (SELECT a.i * 200 + b.i + 1 FROM n a, n b)"_s,
                      u"SELECT i, IF(i % 7 = 0, NULL, i * 1.5) AS polovica,"_s,
                      u"  IF(i % 5 = 0, NULL, CONCAT('r', i % 100)) AS text"_s,
                      u"FROM m WHERE i <= :pocet ORDER BY i"_s});
        query.setParameter(u"pocet"_s, count);
        query.open();
        QCOMPARE(query.recordCount(), count);
        for (int row = 0; row < count; ++row) {
            const int i = row + 1;
            if (query.value(row, 0).toInt() != i || query.value(row, 1).isValid() == (i % 7 == 0) ||
                (i % 7 != 0 && query.value(row, 1).toDouble() != i * 1.5) ||
                query.value(row, 2).isValid() == (i % 5 == 0) ||
                (i % 5 != 0 && query.value(row, 2).toString() != u"r%1"_s.arg(i % 100)))
                QFAIL(qPrintable(u"row %1 differs"_s.arg(row)));
        }
    }

    void procedureResultLeavesTheConnectionReady() {
        m_db->exec(u"CREATE PROCEDURE vyber (IN od INT) SELECT id FROM druhy WHERE id >= od"_s);
        Query query(m_connection.get());
        query.setSql({u"CALL vyber(:od)"_s});
        query.setParameter(u"od"_s, 2);
        query.open();
        QCOMPARE(query.recordCount(), 3);
        Query next(m_connection.get());
        next.setSql({u"SELECT COUNT(*) FROM druhy"_s});
        next.open();
        QCOMPARE(next.value(0, 0), QVariant(qlonglong(4)));
    }

    void failureAmidTheRowsSaysWhy() {
        // The server has sent rows already when the statement fails; its text reaches the user,
        // and the connection serves the next statement.
        Query query(m_connection.get());
        query.setSql({u"SELECT seq, IF(seq = 3000, (SELECT 1 UNION SELECT 2), seq) AS hodnota "
                      u"FROM seq_1_to_5000"_s});
        const QString failure = failureOf([&] { query.open(); });
        QVERIFY2(failure.contains(u"more than 1 row"_s), qPrintable(failure));
        QVERIFY(!query.isOpen());
        Query next(m_connection.get());
        next.setSql({u"SELECT COUNT(*) FROM druhy"_s});
        next.open();
        QCOMPARE(next.value(0, 0), QVariant(qlonglong(4)));
    }

    void cleanupTestCase() {
        m_all.reset();
        m_connection.reset();
        m_db.reset();
    }

private:
    QTemporaryDir m_logFolder;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<Query> m_all;
};

QTEST_GUILESS_MAIN(TestDataset)
#include "tst_dataset.moc"
