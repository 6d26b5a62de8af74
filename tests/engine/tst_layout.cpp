#include "EngineFixtures.h"
#include "engine/model/ChartComponent.h"
#include "engine/model/FixedWidthMeasurer.h"
#include "engine/model/FontMetricsMeasurer.h"
#include "engine/model/ProjectDefinition.h"
#include "engine/model/ProjectReader.h"
#include "engine/model/ReportError.h"
#include "engine/model/ReportLayouter.h"

#include <QFile>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

class tst_layout final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pagesMatchGolden_data();
    void pagesMatchGolden();
    void emptyDataPrintsColumnHeadersOnly();
    void chartDrawsItsValuesInsideItsBox_data();
    void chartDrawsItsValuesInsideItsBox();
    void chartAxisStepsPrintDistinctValues_data();
    void chartAxisStepsPrintDistinctValues();
    void bandHigherThanPageFails();
    void realFontsKeepTextsInTheirBoxes();

private:
    PageModel layOut(const QString& report, ReportDataSet& data,
                     const TextMeasurer& measurer = FixedWidthMeasurer()) const;

    std::unique_ptr<ProjectDefinition> m_project;
};

void tst_layout::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
    m_project = ProjectReader::readFile(EngineFixtures::path(u"fixtures/small.rav"_s));
}

PageModel tst_layout::layOut(const QString& report, ReportDataSet& data,
                             const TextMeasurer& measurer) const {
    ReportLayouter layouter(*m_project, *m_project->findReport(report), {{u"Data"_s, &data}},
                            measurer);
    layouter.setDate(QDate(2024, 5, 1));
    return layouter.run();
}

void tst_layout::pagesMatchGolden_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("pages");
    // Column headers again on page 2, page and running totals in the footer, "page X of Y".
    QTest::newRow("page break") << u"Zoznam"_s << 2;
    // Group B would not fit below A and moves whole to page 2; group totals restart per group.
    QTest::newRow("groups kept together") << u"Skupiny"_s << 3;
    QTest::newRow("group on a new page") << u"NovaStrana"_s << 3;
    // The column headers do not stay behind when the group they head moves on whole.
    QTest::newRow("column headers with a kept group") << u"StlpceSkupiny"_s << 3;
    // Bars and a line over every row; every third name fits under the axis.
    QTest::newRow("chart of all rows") << u"Graf"_s << 1;
    // Each group's footer charts that group's rows alone.
    QTest::newRow("chart of each group") << u"GrafSkupin"_s << 3;
}

void tst_layout::pagesMatchGolden() {
    QFETCH(QString, report);
    QFETCH(int, pages);
    const auto data = EngineFixtures::items();
    const PageModel model = layOut(report, *data);
    QCOMPARE(model.pageCount(), pages);

    // Nothing but the page footer reaches into the footer's space.
    for (const ReportPage& page : model.pages()) {
        double footerTop = page.size.height();
        double contentBottom = 0;
        for (const PagePrimitive& p : page.primitives) {
            const ReportComponent* c = m_project->findReport(report)->findComponent(p.component);
            if (c->band()->kind() == BandDefinition::Kind::PageFooter)
                footerTop = std::min(footerTop, p.rect.top());
            else
                contentBottom = std::max(contentBottom, p.rect.bottom());
        }
        QVERIFY2(contentBottom <= footerTop + 0.001, qPrintable(model.dump()));
    }

    const QString golden = EngineFixtures::path(u"golden/%1.txt"_s.arg(report));
    if (qEnvironmentVariableIsSet("TARVELIN_UPDATE_GOLDEN")) {
        QFile out(golden);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(model.dump().toUtf8());
    }
    QFile expected(golden);
    QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(golden));
    QCOMPARE(model.dump(), QString::fromUtf8(expected.readAll()));
}

void tst_layout::emptyDataPrintsColumnHeadersOnly() {
    MemoryDataSet empty(EngineFixtures::items()->fields(), {}, true);
    const PageModel model = layOut(u"Zoznam"_s, empty);
    QCOMPARE(model.pageCount(), 1);
    QStringList components;
    for (const PagePrimitive& p : model.pages().front().primitives)
        components << p.component + QLatin1Char('=') + p.text;
    QCOMPARE(components, QStringList({"Titul=Zoznam položiek", "StlpecMeno=Meno",
                                      "StlpecHodnota=Hodnota", "StlpceCiara=", "PocetNaStrane=0",
                                      "SucetDoteraz=0,0", "CisloStrany=Strana 1 z 1"}));
}

void tst_layout::chartDrawsItsValuesInsideItsBox_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<int>("bars");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("noData");

    const QVariant none;
    QTest::newRow("all values") << u"Graf"_s << QVariantList{1.0, 2.0, 3.0} << 3 << 1 << false;
    // A missing value leaves its bar out and breaks the line; a point alone is a marker.
    QTest::newRow("gaps") << u"Graf"_s << QVariantList{1.0, none, 3.0, 4.0, none, 6.0} << 4 << 1
                          << false;
    QTest::newRow("a text is no value")
        << u"Graf"_s << QVariantList{u"n/a"_s, 2.0, 3.0} << 2 << 1 << false;
    QTest::newRow("nothing to draw") << u"Graf"_s << QVariantList{none, none} << 0 << 0 << true;
    QTest::newRow("no rows") << u"Graf"_s << QVariantList{} << 0 << 0 << true;
    // Values past a fixed axis stop at its end; below zero bars hang from the zero line.
    QTest::newRow("beyond the fixed axis")
        << u"GrafSkupin"_s << QVariantList{20.0, -3.0, 4.0} << 0 << 1 << false;
    QTest::newRow("negative values") << u"Graf"_s << QVariantList{-2.0, 5.0} << 2 << 1 << false;
}

void tst_layout::chartDrawsItsValuesInsideItsBox() {
    QFETCH(QString, report);
    QFETCH(QVariantList, values);
    QFETCH(int, bars);
    QFETCH(int, lines);
    QFETCH(bool, noData);
    QList<QVariantList> rows;
    for (qsizetype i = 0; i < values.size(); ++i)
        rows.append({u"A"_s, u"P%1"_s.arg(i + 1), values[i]});
    MemoryDataSet data(EngineFixtures::items()->fields(), rows, true);
    const PageModel model = layOut(report, data);

    int barCount = 0;
    int lineCount = 0;
    bool saysNoData = false;
    for (const PagePrimitive& chart : model.pages().front().primitives) {
        if (chart.kind != PagePrimitive::Kind::Chart)
            continue;
        const QRectF box = chart.rect.adjusted(-0.01, -0.01, 0.01, 0.01);
        for (const PagePrimitive& part : chart.parts) {
            QVERIFY2(part.kind != PagePrimitive::Kind::Chart, "a chart within a chart");
            QVERIFY2(part.component == chart.component, qPrintable(part.component));
            QList<QPointF> corners = part.points;
            if (part.kind != PagePrimitive::Kind::Polyline)
                corners << part.rect.topLeft() << part.rect.bottomRight();
            for (const QPointF& point : corners)
                QVERIFY2(
                    box.contains(point),
                    qPrintable(u"%1 %2,%3"_s.arg(int(part.kind)).arg(point.x()).arg(point.y())));
            barCount +=
                part.kind == PagePrimitive::Kind::Box && part.fill == QColor(0x30, 0x70, 0xb0);
            lineCount += part.kind == PagePrimitive::Kind::Polyline;
            saysNoData = saysNoData || part.text == u"Žiadne údaje"_s;
        }
    }
    // The legend shows a sample of the bars of Graf.
    QCOMPARE(barCount, bars + (report == u"Graf"_s ? 1 : 0));
    QCOMPARE(lineCount, lines);
    QCOMPARE(saysNoData, noData);
}

void tst_layout::chartAxisStepsPrintDistinctValues_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QStringList>("steps");

    const QVariant none;
    QTest::newRow("no values, whole numbers")
        << u"0"_s << QVariantList{none, none} << QStringList{u"0"_s, u"1"_s};
    QTest::newRow("small values, whole numbers")
        << u"0"_s << QVariantList{0.4, 1.2} << QStringList{u"0"_s, u"1"_s, u"2"_s};
    QTest::newRow("small values, one decimal")
        << u"0.0"_s << QVariantList{0.01, 0.03} << QStringList{u"0,0"_s, u"0,1"_s};
    QTest::newRow("no format") << QString() << QVariantList{0.01, 0.03}
                               << QStringList{u"0,00"_s, u"0,01"_s, u"0,02"_s, u"0,03"_s};
}

// An axis that follows the values steps no finer than the chart's format prints, so that no
// two steps read the same number, also when there is nothing to draw.
void tst_layout::chartAxisStepsPrintDistinctValues() {
    QFETCH(QString, format);
    QFETCH(QVariantList, values);
    QFETCH(QStringList, steps);
    auto* chart = static_cast<ChartComponent*>(m_project->findComponent(u"Hodnoty"_s));
    const QString original = chart->format();
    const auto restore = qScopeGuard([&] { chart->setFormat(original); });
    chart->setFormat(format);
    QList<QVariantList> rows;
    for (qsizetype i = 0; i < values.size(); ++i)
        rows.append({u"A"_s, u"P%1"_s.arg(i + 1), values[i]});
    MemoryDataSet data(EngineFixtures::items()->fields(), rows, true);
    const PageModel model = layOut(u"Graf"_s, data);

    QStringList printed;
    for (const PagePrimitive& part : model.pages().front().primitives.front().parts)
        if (part.kind == PagePrimitive::Kind::Text && part.alignment == Qt::AlignRight)
            printed << part.text;
    QCOMPARE(printed, steps);
}

void tst_layout::bandHigherThanPageFails() {
    const auto data = EngineFixtures::items();
    try {
        layOut(u"VysokePasmo"_s, *data);
        QFAIL("a band higher than the page was laid out");
    } catch (const ReportError& error) {
        QVERIFY2(error.message().contains(u"„Riadky“"_s), qPrintable(error.message()));
    }
}

void tst_layout::realFontsKeepTextsInTheirBoxes() {
    QList<QVariantList> rows{
        {u"A"_s, u"Veľmi dlhé meno položky, ktoré sa do stĺpca nezmestí"_s, 123456789.0}};
    MemoryDataSet data(EngineFixtures::items()->fields(), rows, true);
    const FontMetricsMeasurer measurer(96);
    const PageModel model = layOut(u"Zoznam"_s, data, measurer);
    bool elided = false;
    for (const PagePrimitive& p : model.pages().front().primitives) {
        if (p.kind != PagePrimitive::Kind::Text)
            continue;
        QVERIFY2(measurer.width(p.text, p.font) <= p.rect.width() + 0.001, qPrintable(p.text));
        elided = elided || p.text.endsWith(QChar(0x2026));
    }
    QVERIFY(elided);
}

QTEST_MAIN(tst_layout)
#include "tst_layout.moc"
