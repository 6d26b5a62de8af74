#include "data/SlovakLocale.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtTest>

/// What Qt itself shows once the program's language is installed: Slovak dates and numbers,
/// and Qt's own texts (dialog buttons, file and print dialogs, command-line help) in Slovak.
class TestSlovakLocale final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(SlovakLocale::install(*QCoreApplication::instance())); }

    void numbersAndDatesAreSlovak() {
        QCOMPARE(QLocale().toString(342.75, 'f', 2), "342,75");
        QCOMPARE(QLocale().toString(QDate(2026, 2, 5), QLocale::ShortFormat), "5. 2. 2026");
    }

    void countsTakeTheirPlural_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("counted");
        QTest::newRow("none") << 0 << "0 strán";
        QTest::newRow("one") << 1 << "1 strana";
        QTest::newRow("two") << 2 << "2 strany";
        QTest::newRow("four") << 4 << "4 strany";
        QTest::newRow("five") << 5 << "5 strán";
        QTest::newRow("twelve") << 12 << "12 strán";
        QTest::newRow("twenty-two") << 22 << "22 strán";
    }
    void countsTakeTheirPlural() {
        QFETCH(int, n);
        QFETCH(QString, counted);
        QCOMPARE(SlovakLocale::count(n, "strana", "strany", "strán"), counted);
    }

    void qtTextsAreSlovak_data() {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("slovak");
        QTest::newRow("dialog button") << "QPlatformTheme"
                                       << "Cancel"
                                       << "Zrušiť";
        QTest::newRow("file dialog") << "QFileDialog"
                                     << "All Files (*)"
                                     << "Všetky súbory (*)";
        QTest::newRow("context menu") << "QLineEdit"
                                      << "Select All"
                                      << "Vybrať všetko";
        QTest::newRow("print dialog") << "QPrintDialog"
                                      << "Print"
                                      << "Tlačiť";
    }
    void qtTextsAreSlovak() {
        QFETCH(QString, context);
        QFETCH(QString, english);
        QFETCH(QString, slovak);
        QCOMPARE(QCoreApplication::translate(context.toLatin1().constData(),
                                             english.toLatin1().constData()),
                 slovak);
    }
};

QTEST_GUILESS_MAIN(TestSlovakLocale)
#include "tst_slovaklocale.moc"
