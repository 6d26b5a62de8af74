#include "EngineFixtures.h"
#include "RecordingFrontEnd.h"
#include "engine/model/FixedWidthMeasurer.h"
#include "engine/model/PageModelDestination.h"
#include "engine/model/ReportConnections.h"
#include "engine/model/ReportError.h"
#include "engine/model/ReportProject.h"
#include "engine/model/ReportSystem.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

/// The calling protocol of report projects: open, parameters, execute by name, close.
class tst_reportproject final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void missingFileFailsNamingIt();
    void unknownReportDoesNothing();
    void cancelledSetupOutputsNothing();
    void dataSetsKeepTheirState_data();
    void dataSetsKeepTheirState();
    void openProjectIsNotReloadedUntilClosed();
    void statusFollowsGeneratedPages();
    void destinationChosenByCodeSkipsTheSetup();
    void dataViewSortsItsRows_data();
    void dataViewSortsItsRows();
    void sortByAFieldTheSetLacksFails();

private:
    QString copyOfSmall();
    /// The copy of small.rav with its data view sorted by the text given.
    QString copyOfSmallSortedBy(const QString& sort);

    QTemporaryDir m_dir;
    ReportSystem m_system;
    RecordingFrontEnd m_frontEnd;
    ReportConnections m_connections;
    std::unique_ptr<MemoryDataSet> m_items;
};

void tst_reportproject::init() {
    m_frontEnd = RecordingFrontEnd();
    m_system.setFrontEnd(&m_frontEnd);
    m_system.setDestination(nullptr);
    m_system.setMeasurer(std::make_shared<FixedWidthMeasurer>());
    m_items = EngineFixtures::items(false);
    m_connections.publish(u"DataSetPolozky"_s, m_items.get());
}

QString tst_reportproject::copyOfSmall() {
    const QString name = m_dir.filePath(u"Tabulky.rav"_s);
    QFile::remove(name);
    QFile::copy(EngineFixtures::path(u"fixtures/small.rav"_s), name);
    QFile::setPermissions(name, QFile::ReadOwner | QFile::WriteOwner);
    return name;
}

QString tst_reportproject::copyOfSmallSortedBy(const QString& sort) {
    const QString name = copyOfSmall();
    QFile file(name);
    file.open(QIODevice::ReadOnly);
    const QByteArray sorted = file.readAll().replace(
        "<dataView name=\"Data\" connection=\"DataSetPolozky\">",
        "<dataView name=\"Data\" connection=\"DataSetPolozky\" sort=\"" + sort.toUtf8() + "\">");
    file.close();
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(sorted);
    return name;
}

void tst_reportproject::missingFileFailsNamingIt() {
    const QString name = m_dir.filePath(u"Chyba.rav"_s);
    ReportProject project(m_system, m_connections, name);
    try {
        project.executeReport(u"Zoznam"_s);
        QFAIL("a missing project ran");
    } catch (const ReportError& error) {
        QVERIFY2(error.message().contains(name), qPrintable(error.message()));
    }
    QCOMPARE(m_frontEnd.setupsShown, 0);
    QVERIFY(!project.isOpen());
}

void tst_reportproject::unknownReportDoesNothing() {
    ReportProject project(m_system, m_connections, copyOfSmall());
    project.executeReport(u"Neexistuje"_s);
    QVERIFY(project.isOpen());
    QCOMPARE(m_frontEnd.setupsShown, 0);
    QVERIFY(m_frontEnd.runs.empty());
    QCOMPARE(m_items->openings(), 0);
}

void tst_reportproject::cancelledSetupOutputsNothing() {
    ReportProject project(m_system, m_connections, copyOfSmall());
    m_frontEnd.cancel = true;
    project.executeReport(u"Zoznam"_s);
    QCOMPARE(m_frontEnd.setupsShown, 1);
    QVERIFY(m_frontEnd.runs.empty());
    QVERIFY(m_frontEnd.statusTexts.isEmpty());
    QVERIFY(!m_items->isOpen());
    QCOMPARE(m_items->openings(), 0);
}

void tst_reportproject::dataSetsKeepTheirState_data() {
    QTest::addColumn<bool>("openBefore");
    QTest::newRow("closed set is opened for the run") << false;
    QTest::newRow("open set keeps its current row") << true;
}

void tst_reportproject::dataSetsKeepTheirState() {
    QFETCH(bool, openBefore);
    if (openBefore) {
        m_items->open();
        m_items->setCurrentRow(4);
    }
    ReportProject project(m_system, m_connections, copyOfSmall());
    project.executeReport(u"Zoznam"_s);
    QCOMPARE(m_frontEnd.runs.size(), std::size_t(1));
    QVERIFY(m_frontEnd.runs.front().dump().contains(u"\"Položka 10\""_s));
    QCOMPARE(m_items->isOpen(), openBefore);
    QCOMPARE(m_items->openings(), 1);
    if (openBefore)
        QCOMPARE(m_items->currentRow(), 4);
}

void tst_reportproject::openProjectIsNotReloadedUntilClosed() {
    const QString name = copyOfSmall();
    ReportProject project(m_system, m_connections, name);
    project.setParameter(u"Nazov"_s, u"Prvý titul"_s);
    project.executeReport(u"Zoznam"_s);

    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray changed = file.readAll().replace("Strana {Page} z {Pages}", "Zmenená {Page}");
    file.close();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(changed);
    file.close();

    project.open();
    project.executeReport(u"Zoznam"_s);
    project.close();
    project.executeReport(u"Zoznam"_s);

    QCOMPARE(m_frontEnd.runs.size(), std::size_t(3));
    for (const PageModel& run : m_frontEnd.runs)
        QVERIFY(run.dump().contains(u"\"Prvý titul\""_s));
    QVERIFY(m_frontEnd.runs[1].dump().contains(u"\"Strana 1 z 2\""_s));
    QVERIFY(m_frontEnd.runs[2].dump().contains(u"\"Zmenená 1\""_s));
}

void tst_reportproject::statusFollowsGeneratedPages() {
    ReportProject project(m_system, m_connections, copyOfSmall());
    project.executeReport(u"Skupiny"_s);
    QCOMPARE(m_frontEnd.statusTexts,
             QStringList({"Generating page 1", "Generating page 2", "Generating page 3"}));
    QCOMPARE(m_frontEnd.statusHidden, 1);
}

void tst_reportproject::destinationChosenByCodeSkipsTheSetup() {
    auto destination = std::make_shared<PageModelDestination>();
    m_system.setDestination(destination);
    ReportProject project(m_system, m_connections, copyOfSmall());
    project.executeReport(u"Zoznam"_s);
    QCOMPARE(m_frontEnd.setupsShown, 0);
    QVERIFY(m_frontEnd.statusTexts.isEmpty());
    QCOMPARE(destination->runs().size(), std::size_t(1));
    QCOMPARE(destination->runs().front().pageCount(), 2);
}

void tst_reportproject::dataViewSortsItsRows_data() {
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QList<int>>("items");
    QTest::newRow("none") << QString() << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("descending") << u"hodnota desc"_s << QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("equal rows keep their order")
        << u"skupina DESC"_s << QList<int>{8, 9, 10, 4, 5, 6, 7, 1, 2, 3};
    QTest::newRow("second field orders within the first")
        << u"skupina desc, hodnota desc"_s << QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("ascending said")
        << u"skupina asc,meno"_s << QList<int>{1, 2, 3, 4, 5, 6, 7, 10, 8, 9};
}

// The rows print in the order of the view; the group totals and page totals follow them.
void tst_reportproject::dataViewSortsItsRows() {
    QFETCH(QString, sort);
    QFETCH(QList<int>, items);
    auto destination = std::make_shared<PageModelDestination>();
    m_system.setDestination(destination);
    m_items->open();
    m_items->setCurrentRow(2);
    ReportProject project(m_system, m_connections,
                          sort.isEmpty() ? copyOfSmall() : copyOfSmallSortedBy(sort));
    project.executeReport(u"Zoznam"_s);
    QList<int> printed;
    for (const ReportPage& page : destination->runs().front().pages())
        for (const PagePrimitive& primitive : page.primitives)
            if (primitive.component == QLatin1String("Meno"))
                printed << primitive.text.section(QLatin1Char(' '), 1).toInt();
    QCOMPARE(printed, items);
    QCOMPARE(m_items->currentRow(), 2);
}

void tst_reportproject::sortByAFieldTheSetLacksFails() {
    ReportProject project(m_system, m_connections, copyOfSmallSortedBy(u"vaha"_s));
    m_system.setDestination(std::make_shared<PageModelDestination>());
    try {
        project.executeReport(u"Zoznam"_s);
        QFAIL("a view sorted by a missing field ran");
    } catch (const ReportError& error) {
        QVERIFY2(error.message().contains(u"„vaha“"_s), qPrintable(error.message()));
    }
    QVERIFY(!m_items->isOpen());
}

QTEST_MAIN(tst_reportproject)
#include "tst_reportproject.moc"
