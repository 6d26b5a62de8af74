#include "common/TestDatabase.h"
#include "data/Query.h"
#include "widgets/DBChart.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/DatasetTableModel.h"

#include <QDateTimeAxis>
#include <QGraphicsSimpleTextItem>
#include <QHeaderView>
#include <QLineSeries>
#include <QSignalSpy>
#include <QValueAxis>
#include <QtTest>
#include <memory>

/// The data-aware widgets over a few milk controls: what they show of the dataset, and that
/// they follow it through opening, closing and moving the current row.
class TestDatasetWidgets final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        m_db = std::make_unique<TestDatabase>("datasetwidgets");
        m_db->exec("CREATE TABLE kontroly_test (kontrola_id INT PRIMARY KEY, "
                   "usnecislo VARCHAR(14), datum DATE, mlieko DOUBLE, tuk DOUBLE, "
                   "kniha_id INT)");
        // Out of date order, with a missing milk yield, a missing fat and a missing herdbook.
        m_db->exec("INSERT INTO kontroly_test VALUES "
                   "(1, 'SK000000000003', '2024-03-10', 25.5, 1.05, 2),"
                   "(2, 'SK000000000001', '2024-01-05', 31.254, NULL, 1),"
                   "(3, 'SK000000000002', '2024-02-07', NULL, 0.98, NULL)");
        m_db->exec("CREATE TABLE knihy_test (kniha_id INT, kod VARCHAR(5))");
        m_db->exec("INSERT INTO knihy_test VALUES (1, 'HK'), (2, 'PK'), (3, 'ZK')");
        m_connection = std::make_unique<Connection>(m_db->settings());
    }

    void init() {
        m_controls = std::make_unique<Query>(m_connection.get());
        m_controls->setSql({"SELECT * FROM kontroly_test", "ORDER BY kontrola_id"});
        m_controls->setDeclaredFields({FieldDef::integer("kontrola_id").titled("Id"),
                                       FieldDef::text("usnecislo", 14).asHidden(),
                                       FieldDef::date("datum"),
                                       FieldDef::floating("mlieko").shown("##0.00"),
                                       FieldDef::floating("tuk"), FieldDef::integer("kniha_id")});
        m_books = std::make_unique<Query>(m_connection.get());
        m_books->setSql({"SELECT kniha_id, kod FROM knihy_test ORDER BY kod"});
    }

    void modelShowsVisibleFieldsFormatted() {
        DatasetTableModel model;
        model.setDataset(m_controls.get());
        QCOMPARE(model.columnCount(), 0);

        m_controls->open();
        QStringList headings;
        for (int column = 0; column < model.columnCount(); ++column)
            headings << model.headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headings, (QStringList{"Id", "datum", "mlieko", "tuk", "kniha_id"}));
        QCOMPARE(model.rowCount(), 3);

        const auto cell = [&](int row, int column, int role = Qt::DisplayRole) {
            return model.data(model.index(row, column), role);
        };
        QCOMPARE(cell(0, 1).toString(),
                 QLocale().toString(QDate(2024, 3, 10), QLocale::ShortFormat));
        QCOMPARE(cell(1, 2).toString(), "31,25");
        QCOMPARE(cell(2, 2).toString(), QString());
        QCOMPARE(cell(0, 3).toString(), "1,05");
        QCOMPARE(cell(0, 2, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(cell(0, 1, Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));

        m_controls->close();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 0);
    }

    void designedColumnsStandWhileClosed() {
        DatasetTableModel model;
        model.setDataset(m_controls.get());
        model.setColumns(
            {{"datum", "Dátum kontroly", 93}, {"usnecislo", "Ušné číslo"}, {"mlieko"}, {"chyba"}});

        QCOMPARE(model.columnCount(), 4);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), "Dátum kontroly");
        QCOMPARE(model.fieldName(1), "usnecislo");
        QCOMPARE(model.fieldIndex(1), -1);

        m_controls->open();
        QCOMPARE(model.fieldIndex(1), 1);
        QCOMPARE(model.data(model.index(1, 1)).toString(), "SK000000000001");
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), "mlieko");
        QCOMPARE(model.fieldIndex(3), -1);
        QCOMPARE(model.data(model.index(0, 3)), QVariant());
    }

    void columnColourSurvivesReopening() {
        DatasetTableModel model;
        model.setDataset(m_controls.get());
        m_controls->open();
        model.setColumnColor(2, QColor(230, 255, 230));
        m_controls->reopen();
        QCOMPARE(model.data(model.index(1, 2), Qt::BackgroundRole).value<QColor>(),
                 QColor(230, 255, 230));
        QCOMPARE(model.data(model.index(1, 1), Qt::BackgroundRole), QVariant());
    }

    void gridAndDatasetMoveTogether() {
        DBGrid grid;
        grid.setDataset(m_controls.get());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        m_controls->open();
        QCOMPARE(grid.currentIndex().row(), 0);

        m_controls->setCurrentRow(2);
        QCOMPARE(grid.currentIndex().row(), 2);
        QVERIFY(grid.selectionModel()->isRowSelected(2, {}));

        grid.setFocus();
        QTest::keyClick(&grid, Qt::Key_Up);
        QCOMPARE(m_controls->currentRow(), 1);
        QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(m_controls->currentRow(), 0);

        m_controls->close();
        QVERIFY(!grid.selectionModel()->hasSelection());
    }

    void titleClickNamesTheField() {
        DBGrid grid;
        grid.setDataset(m_controls.get());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        m_controls->open();
        QSignalSpy clicks(&grid, &DBGrid::titleClicked);

        QHeaderView* titles = grid.horizontalHeader();
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                          QPoint(titles->sectionViewportPosition(2) + titles->sectionSize(2) / 2,
                                 titles->height() / 2));

        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks[0][0].toInt(), 2);
        QCOMPARE(clicks[0][1].toString(), "mlieko");
    }

    void hiddenColumnStaysHiddenOverReopening() {
        DBGrid grid;
        grid.setColumns({{"kontrola_id"}, {"datum"}, {"mlieko"}});
        grid.setDataset(m_controls.get());
        grid.setColumnHidden(2, true);
        m_controls->open();
        m_controls->reopen();
        QVERIFY(grid.isColumnHidden(2));
        grid.setColumnHidden(2, false);
        QVERIFY(grid.columnWidth(2) > 0);
    }

    void editShowsCurrentRow() {
        DBEdit edit;
        edit.setDataSource(m_controls.get(), "mlieko");
        QCOMPARE(edit.text(), QString());
        m_controls->open();
        QCOMPARE(edit.text(), "25,50");
        m_controls->setCurrentRow(1);
        QCOMPARE(edit.text(), "31,25");
        m_controls->setCurrentRow(2);
        QCOMPARE(edit.text(), QString());
        m_controls->setCurrentRow(0);
        m_controls->close();
        QCOMPARE(edit.text(), QString());
        QVERIFY(edit.isReadOnly());
    }

    void boundLookupShowsTheMatchingItem() {
        DBLookupComboBox box;
        box.setDataSource(m_controls.get(), "kniha_id");
        box.setListSource(m_books.get(), "kniha_id", "kod");
        m_controls->open();
        QCOMPARE(box.count(), 0);

        m_books->open();
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.currentText(), "PK");
        m_controls->setCurrentRow(1);
        QCOMPARE(box.currentText(), "HK");
        m_controls->setCurrentRow(2);
        QCOMPARE(box.currentIndex(), -1);
        m_controls->close();
        QCOMPARE(box.currentIndex(), -1);
    }

    void unboundLookupKeepsItsKeyOverRefilling() {
        DBLookupComboBox box;
        box.setListSource(m_books.get(), "kniha_id", "kod");
        m_books->open();
        QCOMPARE(box.currentIndex(), -1);
        box.setSelectedKey(3);
        QCOMPARE(box.currentText(), "ZK");
        QCOMPARE(box.selectedKey().toInt(), 3);

        m_books->reopen();
        QCOMPARE(box.currentText(), "ZK");
        box.setSelectedKey(42);
        QVERIFY(box.selectedKey().isNull());
    }

    void chartPlotsInDateOrderWithoutNulls() {
        DBChart chart;
        chart.setDataset(m_controls.get(), "datum");
        const int milk = chart.addSeries("Mlieko", "mlieko", Qt::red);
        const int fat = chart.addSeries("Tuk", "tuk", Qt::darkGreen);
        chart.setLeftAxisRange(0, 60);
        m_controls->open();

        const auto dates = [&](int series) {
            QList<QDate> result;
            for (const QPointF& point : chart.series(series)->points())
                result << QDateTime::fromMSecsSinceEpoch(qint64(point.x())).date();
            return result;
        };
        QCOMPARE(dates(milk), (QList<QDate>{{2024, 1, 5}, {2024, 3, 10}}));
        QCOMPARE(chart.series(milk)->at(0).y(), 31.254);
        QCOMPARE(dates(fat), (QList<QDate>{{2024, 2, 7}, {2024, 3, 10}}));
        QCOMPARE(chart.leftAxis()->max(), 60.0);

        m_controls->close();
        QCOMPARE(chart.series(milk)->count(), 0);
    }

    void chartSwitchesSeriesAndKeepsItsLeftAxis() {
        DBChart chart;
        chart.setDataset(m_controls.get(), "datum");
        chart.addSeries("Mlieko", "mlieko", Qt::red);
        chart.addSeries("Tuk", "tuk", Qt::darkGreen);
        m_controls->open();

        chart.setActiveSeries(1);
        chart.setLeftAxisRange(0, 3);
        QVERIFY(!chart.series(0)->isVisible());
        QVERIFY(chart.series(1)->isVisible());

        m_controls->reopen();
        QCOMPARE(chart.leftAxis()->min(), 0.0);
        QCOMPARE(chart.leftAxis()->max(), 3.0);
        QCOMPARE(chart.series(1)->count(), 2);
    }

    void chartLabelsFollowTheDataInsideThePlot() {
        DBChart chart;
        chart.setDataset(m_controls.get(), "datum");
        const int milk = chart.addSeries("Mlieko", "mlieko", Qt::red, "#0.0");
        const int fat = chart.addSeries("Tuk", "tuk", Qt::darkGreen, "#0.000");
        chart.setLeftAxisRange(0, 2);
        chart.resize(500, 300);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const auto labelItems = [&] {
            int count = 0;
            for (const QGraphicsItem* item : chart.chart()->childItems())
                count += item->type() == QGraphicsSimpleTextItem::Type;
            return count;
        };
        const int withoutData = labelItems();
        const auto texts = [&](int series) {
            QStringList shown;
            for (const QGraphicsSimpleTextItem* label : chart.pointLabels(series))
                shown << (label->isVisible() ? label->text() : "(" + label->text() + ")");
            return shown;
        };

        // The dataset's own format first, the series' where the field has none; in date order.
        m_controls->open();
        QCOMPARE(texts(milk), (QStringList{"31,25", "25,50"}));
        QCOMPARE(texts(fat), (QStringList{"0,980", "1,050"}));
        QCOMPARE(labelItems(), withoutData + 4);
        chart.setActiveSeries(milk);
        QCOMPARE(texts(fat), (QStringList{"(0,980)", "(1,050)"}));
        // Milk runs above the left axis: its labels stay at the plot's top edge, inside it.
        QTRY_VERIFY(chart.chart()->plotArea().height() > 0);
        const QRectF plot = chart.chart()->plotArea().adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const QGraphicsSimpleTextItem* label : chart.pointLabels(milk))
            QVERIFY2(plot.contains(label->sceneBoundingRect()), qPrintable(label->text()));

        // New data replace the labels; none of the old ones stays behind.
        m_controls->setSql({"SELECT * FROM kontroly_test", "WHERE kontrola_id = 1"});
        m_controls->reopen();
        QCOMPARE(texts(milk), QStringList{"25,50"});
        QCOMPARE(texts(fat), QStringList{"(1,050)"});
        QCOMPARE(labelItems(), withoutData + 2);
        m_controls->close();
        QCOMPARE(labelItems(), withoutData);
        QCOMPARE(chart.bottomAxis()->format(), QLocale().dateFormat(QLocale::ShortFormat));
    }

    // A line needs two points: one control shows as its point, with its date labelled once,
    // the labels of the date axis whole days apart.
    void chartOfOneControlShowsItsPointAndEachDateOnce() {
        DBChart chart;
        chart.setDataset(m_controls.get(), "datum");
        const int milk = chart.addSeries("Mlieko", "mlieko", Qt::red);
        const auto daysBetweenLabels = [&] {
            const QDateTimeAxis* axis = chart.bottomAxis();
            return double(axis->min().msecsTo(axis->max())) / (24 * 60 * 60 * 1000) /
                   (axis->tickCount() - 1);
        };
        m_controls->setSql({"SELECT * FROM kontroly_test", "WHERE kontrola_id = 1"});
        m_controls->reopen();
        QCOMPARE(chart.series(milk)->count(), 1);
        QVERIFY(chart.series(milk)->pointsVisible());
        QVERIFY(daysBetweenLabels() >= 1);

        m_controls->setSql({"SELECT * FROM kontroly_test", "ORDER BY kontrola_id"});
        m_controls->reopen();
        QVERIFY(chart.series(milk)->count() > 1);
        QVERIFY(!chart.series(milk)->pointsVisible());
        QVERIFY(daysBetweenLabels() >= 1);
        m_controls->close();
    }

    void leftAxisLabelsThinOutWhereTheyWouldCrowd_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("everyIncrement");
        QTest::newRow("room for every label") << 900 << true;
        QTest::newRow("a third of a page") << 200 << false;
    }
    void leftAxisLabelsThinOutWhereTheyWouldCrowd() {
        QFETCH(int, height);
        QFETCH(bool, everyIncrement);
        DBChart chart;
        chart.setLeftAxisRange(0, 3);
        chart.setLeftAxisIncrement(0.1);
        chart.resize(600, height);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const QValueAxis* axis = chart.leftAxis();
        QTRY_VERIFY(chart.chart()->plotArea().height() > 0);

        // Labels from the minimum to the maximum, at a multiple of the increment.
        QCOMPARE(axis->tickType(), QValueAxis::TicksFixed);
        const double step = 3.0 / (axis->tickCount() - 1);
        const double multiple = step / 0.1;
        QCOMPARE(multiple, std::round(multiple));
        QCOMPARE(step == 0.1, everyIncrement);
        const int labelHeight = QFontMetrics(axis->labelsFont()).height();
        QVERIFY(axis->tickCount() * labelHeight <= chart.chart()->plotArea().height());
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<Query> m_controls;
    std::unique_ptr<Query> m_books;
};

QTEST_MAIN(TestDatasetWidgets)
#include "tst_DatasetWidgets.moc"
