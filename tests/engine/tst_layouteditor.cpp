#include "EngineFixtures.h"
#include "engine/model/DataTextComponent.h"
#include "engine/model/FixedWidthMeasurer.h"
#include "engine/model/LayoutEditor.h"
#include "engine/model/PageModelDestination.h"
#include "engine/model/ProjectDefinition.h"
#include "engine/model/ReportConnections.h"
#include "engine/model/ReportError.h"
#include "engine/model/ReportProject.h"
#include "engine/model/ReportSystem.h"
#include "engine/model/TextComponent.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;

/// The layout operations a caller uses to print a result whose columns are known only at run
/// time: titles in the column header band and data fields in the data band, one per column,
/// each as wide as its share of the region.
class tst_layouteditor final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void printingTwiceLeavesOneSetNumberedFromZero();
    void takenNameCannotBeCreated();
    void refreshedFieldsFollowTheConnection();

private:
    void printColumns(const QList<int>& gridWidths);

    ReportSystem m_system;
    ReportConnections m_connections;
    std::shared_ptr<PageModelDestination> m_destination;
    std::unique_ptr<MemoryDataSet> m_result;
    std::unique_ptr<ReportProject> m_project;
};

void tst_layouteditor::init() {
    m_system.setMeasurer(std::make_shared<FixedWidthMeasurer>());
    m_destination = std::make_shared<PageModelDestination>();
    m_system.setDestination(m_destination);
    m_result = EngineFixtures::items(true);
    m_connections.publish(u"RvDataSetUniZostava"_s, m_result.get());
    m_project = std::make_unique<ReportProject>(m_system, m_connections,
                                                EngineFixtures::path(u"fixtures/unizostava.rav"_s));
}

void tst_layouteditor::printColumns(const QList<int>& gridWidths) {
    m_project->open();
    const LayoutEditor editor(*m_project);
    ProjectDefinition& project = *m_project->definition();
    editor.refreshFields(*project.findDataView(u"DataViewQuery"_s));
    PageDefinition& page = *project.findPage(u"ReportUniZostava.Strana"_s);
    const RegionDefinition& region = *page.findRegion(u"RegionZostava"_s);
    BandDefinition& titles = *page.findBand(u"BandHlavicka"_s);
    BandDefinition& values = *page.findBand(u"DataBandZostava"_s);

    const std::vector<ReportComponent*> components = page.components();
    for (auto it = components.rbegin(); it != components.rend(); ++it)
        if ((*it)->name().startsWith(QLatin1String("dynDt")) ||
            (*it)->name().startsWith(QLatin1String("stTxt")))
            editor.deleteComponent(**it);

    double total = 0;
    for (int width : gridWidths)
        total += width;
    double x = 0.1;
    const QList<ReportField> fields = m_result->fields();
    for (int i = 0; i < gridWidths.size(); ++i) {
        const double width = editor.regionWidth(region) * gridWidths[i] / total;
        TextComponent& title = editor.createText(titles, u"stTxt%1"_s.arg(i));
        title.setText(fields[i].name);
        FontSpec bold = title.font();
        bold.size = 8;
        bold.bold = true;
        title.setFont(bold);
        title.setLeft(x);
        title.setWidth(width);
        DataTextComponent& value = editor.createDataText(values, u"dynDt%1"_s.arg(i));
        value.setField(fields[i].name);
        value.setDataView(u"DataViewQuery"_s);
        FontSpec plain = value.font();
        plain.size = 8;
        value.setFont(plain);
        value.setLeft(x);
        value.setWidth(width);
        x += width;
    }
    m_project->executeReport(u"ReportUniZostava"_s);
}

void tst_layouteditor::printingTwiceLeavesOneSetNumberedFromZero() {
    printColumns({100, 100, 100});
    printColumns({100, 300, 100});
    QStringList names;
    for (const ReportComponent* c :
         m_project->definition()->findPage(u"ReportUniZostava.Strana"_s)->components())
        names << c->name();
    QCOMPARE(names.filter(QRegularExpression(u"^(stTxt|dynDt)"_s)),
             QStringList({"stTxt0", "stTxt1", "stTxt2", "dynDt0", "dynDt1", "dynDt2"}));

    // The widened column takes its share of the region's width: A4 landscape less the margins.
    const double regionWidth = 297 / 25.4 - 1;
    const PageModel& pages = m_destination->runs().back();
    QRectF middle;
    for (const PagePrimitive& p : pages.pages().front().primitives)
        if (p.component == QLatin1String("dynDt1"))
            middle = p.rect;
    QCOMPARE(qRound(middle.width() * 100), qRound(regionWidth * 72 * 3 / 5 * 100));
    QCOMPARE(qRound(middle.left() * 100), qRound((0.5 + 0.1 + regionWidth / 5) * 72 * 100));
    QVERIFY(pages.dump().contains(u"text stTxt1"_s));
    QVERIFY(pages.dump().contains(u"\"Položka 10\""_s));
}

void tst_layouteditor::takenNameCannotBeCreated() {
    m_project->open();
    const LayoutEditor editor(*m_project);
    BandDefinition& band = *m_project->definition()
                                ->findPage(u"ReportUniZostava.Strana"_s)
                                ->findBand(u"BandHlavicka"_s);
    editor.createText(band, u"stTxt0"_s);
    QVERIFY_THROWS_EXCEPTION(ReportError, editor.createText(band, u"stTxt0"_s));
    QVERIFY_THROWS_EXCEPTION(ReportError, editor.createDataText(band, u"TextNazov"_s));
}

void tst_layouteditor::refreshedFieldsFollowTheConnection() {
    m_result->close();
    m_project->open();
    DataViewDefinition& view = *m_project->definition()->findDataView(u"DataViewQuery"_s);
    view.setFields(
        {{u"hodnota"_s, ReportField::Kind::Integer}, {u"stare"_s, ReportField::Kind::Text}});
    LayoutEditor(*m_project).refreshFields(view);
    QCOMPARE(view.fields(), m_result->fields());
    QVERIFY(!m_result->isOpen());
}

QTEST_MAIN(tst_layouteditor)
#include "tst_layouteditor.moc"
