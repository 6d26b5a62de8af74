#include "PoliaZostavy.h"
#include "engine/model/PageDefinition.h"
#include "engine/model/ProjectDefinition.h"
#include "engine/model/ProjectReader.h"
#include "engine/model/RegionDefinition.h"
#include "engine/model/ReportDefinition.h"
#include "engine/model/TextComponent.h"

#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// The report projects the program ships: they load, hold the reports the menu runs under their
/// names, read the connections the report data module publishes, print the common parameters,
/// and keep every printed box on the paper and clear of its neighbours.
class TestProjektyZostav final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zostavy_data() {
        QTest::addColumn<QString>("subor");
        QTest::addColumn<QString>("zostava");
        QTest::addColumn<QStringList>("spojenia");

        const QString hlavicka = u"RvDataSetConnectionHlavicka"_s;
        QTest::newRow("2") << "Tabulky.rav"
                           << "ReportTabulka2" << QStringList{hlavicka, u"RvDataSetTabulka2"_s};
        QTest::newRow("5A") << "Tabulky.rav"
                            << "ReportTabulka5" << QStringList{hlavicka, u"RvDataSetTabulka5"_s};
        QTest::newRow("5A1-5A6") << "Tabulky.rav"
                                 << "ReportTabulka5Kravy"
                                 << QStringList{hlavicka, u"RvDataSetTabulka5kravy"_s};
        QTest::newRow("9.D") << "Tabulky2.rav"
                             << "ReportTabulka9D" << QStringList{hlavicka, u"RvDataSetTabulka9d"_s};
        QTest::newRow("1.A") << "Tabulky.rav"
                             << "ReportTabulka1A" << QStringList{hlavicka, u"RvDataSetTabulka1A"_s};
        // 1.B reads the data sets its handler does not open; the engine opens them.
        QTest::newRow("1.B") << "Tabulky.rav"
                             << "ReportTabulka1B"
                             << QStringList{hlavicka, u"RvDataSetTabulka1B"_s,
                                            u"RvDataSetTabulka1BPriemer"_s};
        for (const char* kod : {"7B", "12", "13", "15", "16"})
            QTest::newRow(kod) << "Tabulky.rav" << u"ReportTabulka%1"_s.arg(kod)
                               << QStringList{hlavicka, u"RvDataSetTabulka%1"_s.arg(kod)};
        // 9.A and 9.B read one relation.
        for (const char* kod : {"9A", "9B"})
            QTest::newRow(kod) << "Tabulky2.rav" << u"ReportTabulka%1"_s.arg(kod)
                               << QStringList{hlavicka, u"RvDataSetTabulka9A"_s};
        QTest::newRow("11.A") << "Tabulky.rav"
                              << "ReportTabulka11A"
                              << QStringList{hlavicka, u"RvDataSetTabulka11A"_s};
        // 18 prints the bands from one relation and the whole selection from the other.
        QTest::newRow("18") << "Tabulky2.rav"
                            << "ReportTabulka18"
                            << QStringList{hlavicka, u"RvDataSetTabulka18"_s,
                                           u"RvDataSetTabulka18p"_s};
        for (const char* kod : {"21", "22"})
            QTest::newRow(kod) << "Tabulky2.rav" << u"ReportTabulka%1"_s.arg(kod)
                               << QStringList{hlavicka, u"RvDataSetTabulka%1"_s.arg(kod)};
        for (const char* kod : {"4A", "7A", "7AA", "7BB", "8A", "8B", "10B", "17", "19"})
            QTest::newRow(kod) << "Tabulky.rav" << u"ReportTabulka%1"_s.arg(kod)
                               << QStringList{hlavicka, u"RvDataSetTabulka%1"_s.arg(kod)};
        QTest::newRow("6.A") << "Tabulky.rav"
                             << "ReportTabulka6A"
                             << QStringList{hlavicka, u"RvDataSetTabulka6A"_s,
                                            u"RvDataSetTabulka6AS"_s, u"RvDataSetTabulka6ASS"_s};
        // 10.A reads the data set of all tests of the period, which its handler does not open.
        QTest::newRow("10.A") << "Tabulky.rav"
                              << "ReportTabulka10A"
                              << QStringList{hlavicka, u"RvDataSetTabulka10A"_s,
                                             u"RvDataSetTabulka10K"_s};
        QTest::newRow("9.C") << "Tabulky2.rav"
                             << "ReportTabulka9C" << QStringList{hlavicka, u"RvDataSetTabulka9c"_s};
        // 23 reads a relation per section.
        QTest::newRow("23") << "Tabulky2.rav"
                            << "ReportTabulka23"
                            << QStringList{hlavicka,
                                           u"RvDataSetTabulka23Vemeno"_s,
                                           u"RvDataSetTabulka23Ketoza"_s,
                                           u"RvDataSetTabulka23Riziko"_s,
                                           u"RvDataSetTabulka23Mocovina"_s,
                                           u"RvDataSetTabulka23Krivky"_s};
        QTest::newRow("contents of the book")
            << "Tabulky.rav"
            << "ReportObsahKnihy" << QStringList{hlavicka, u"RvDataSetObsahKnihy"_s};
    }

    void zostavy() {
        QFETCH(QString, subor);
        QFETCH(QString, zostava);
        QFETCH(QStringList, spojenia);

        const std::unique_ptr<ProjectDefinition> project =
            ProjectReader::readFile(QString::fromUtf8(TARVELIN_REPORTS_DIR "/") + subor);
        const ReportDefinition* report = project->findReport(zostava);
        QVERIFY2(report, qPrintable(zostava));

        QStringList read = PoliaZostavy::citane(*project, *report).keys();
        read.sort();
        spojenia.sort();
        QCOMPARE(read, spojenia);

        QString printed;
        for (const auto& page : report->pages())
            for (const ReportComponent* component : page->components())
                if (component->kind() == ReportComponent::Kind::Text)
                    printed += static_cast<const TextComponent*>(component)->text();
        QStringList parameters{u"Copyright"_s};
        // Report 6.A sets no subtitle, so it would print the last report's: it prints its own.
        // The contents of the book have none.
        if (zostava != QLatin1String("ReportTabulka6A") &&
            zostava != QLatin1String("ReportObsahKnihy"))
            parameters << u"Podnadpis"_s;
        // The reports by sire print the number of daughters they were asked for.
        if (zostava == QLatin1String("ReportTabulka1A") ||
            zostava == QLatin1String("ReportTabulka1B"))
            parameters << u"PocetDcer"_s;
        for (const QString& parameter : parameters) {
            QVERIFY(report->hasParameter(parameter));
            QVERIFY2(printed.contains(u"{%1}"_s.arg(parameter)), qPrintable(parameter));
        }

        const PageSetup& setup = report->pageSetup();
        const double width =
            setup.sheetSizeInPoints(project->pointsPerUnit()).width() / project->pointsPerUnit() -
            setup.margins().left() - setup.margins().right();
        for (const auto& page : report->pages())
            for (const auto& region : page->regions())
                for (const auto& band : region->bands())
                    verifyBand(*band, width);
    }

private:
    static bool isTextual(const ReportComponent& component) {
        return component.kind() == ReportComponent::Kind::Text ||
               component.kind() == ReportComponent::Kind::DataText ||
               component.kind() == ReportComponent::Kind::Total;
    }

    // Texts are cut where their box ends, so a box past the margin or over its neighbour
    // loses or hides digits on paper.
    static void verifyBand(const BandDefinition& band, double width) {
        const auto& components = band.components();
        for (std::size_t i = 0; i < components.size(); ++i) {
            const ReportComponent& a = *components[i];
            const QString where = band.name() + QLatin1Char('.') + a.name();
            QVERIFY2(a.left() + a.width() <= width + 0.001, qPrintable(where));
            QVERIFY2(band.height() == 0 || a.top() + a.height() <= band.height() + 0.001,
                     qPrintable(where));
            if (!isTextual(a))
                continue;
            for (std::size_t j = i + 1; j < components.size(); ++j) {
                const ReportComponent& b = *components[j];
                const bool overlap = isTextual(b) && a.left() < b.left() + b.width() &&
                                     b.left() < a.left() + a.width() &&
                                     a.top() < b.top() + b.height() &&
                                     b.top() < a.top() + a.height();
                QVERIFY2(!overlap, qPrintable(where + u" / "_s + b.name()));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestProjektyZostav)
#include "tst_projektyzostav.moc"
