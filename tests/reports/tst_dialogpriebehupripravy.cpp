#include "reports/dialogy/DialogPriebehuPripravy.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Counts the paint events a widget gets.
class Malovanie : public QObject {
public:
    int pocet = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        pocet += event->type() == QEvent::Paint;
        return QObject::eventFilter(object, event);
    }
};

} // namespace

/// The window's progress of a report's preparation statements: what it says at each step, that
/// it is painted before the next statement holds the thread, and that nothing but the end of the
/// statements takes it away.
class TestDialogPriebehuPripravy final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void krokyAKoniec() {
        QWidget okno;
        okno.show();
        DialogPriebehuPripravy priebeh(u"Príprava zostavy 11.A"_s, &okno);
        QVERIFY(!priebeh.isVisible());
        auto* popis = priebeh.findChild<QLabel*>(u"LabelPriebeh"_s);
        auto* pruh = priebeh.findChild<QProgressBar*>(u"ProgressBarPriebeh"_s);
        QVERIFY(popis && pruh);
        Malovanie malovanie;
        popis->installEventFilter(&malovanie);

        priebeh.pred(1, 40, u"Odstránenie tabuľky tab180v1"_s);
        QVERIFY(priebeh.isVisible());
        QCOMPARE(priebeh.windowTitle(), u"Príprava zostavy 11.A"_s);
        QCOMPARE(priebeh.windowModality(), Qt::ApplicationModal);
        QCOMPARE(priebeh.text(), u"Krok 1 z 40: Odstránenie tabuľky tab180v1"_s);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        const int prve = malovanie.pocet;
        QVERIFY(prve > 0);

        priebeh.pred(10, 40, u"Vytvorenie tabuľky tab185v1"_s);
        QCOMPARE(priebeh.text(), u"Krok 10 z 40: Vytvorenie tabuľky tab185v1"_s);
        QCOMPARE(pruh->maximum(), 40);
        QCOMPARE(pruh->value(), 9);
        // Painted anew before the statement runs, without waiting for an event loop.
        QVERIFY(malovanie.pocet > prve);

        // The user cannot close it while the statements run.
        QVERIFY(!priebeh.close());
        QTest::keyClick(&priebeh, Qt::Key_Escape);
        QVERIFY(priebeh.isVisible());

        priebeh.koniec();
        QVERIFY(!priebeh.isVisible());
        QVERIFY(!QApplication::overrideCursor());
        // Told twice, as when the last statement failed and the window goes away.
        priebeh.koniec();
        QVERIFY(!QApplication::overrideCursor());
    }

    void zaniknutieVraciaKurzor() {
        {
            DialogPriebehuPripravy priebeh(u"Aktualizácia"_s);
            priebeh.pred(1, 42, u"Odstránenie tabuľky tab180v1"_s);
            QVERIFY(QApplication::overrideCursor());
        }
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestDialogPriebehuPripravy)
#include "tst_dialogpriebehupripravy.moc"
