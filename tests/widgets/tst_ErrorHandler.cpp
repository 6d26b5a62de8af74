#include "data/DatabaseError.h"
#include "widgets/GuardedApplication.h"
#include "widgets/GuardedHandler.h"
#include "widgets/ScriptedDialogService.h"

#include <QAction>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString failureText = u"Súbor nastavení sa nedá čítať"_s;

// Fails in a signal handler and in an event handler that no guard protects.
class Thrower : public QObject {
public:
    void fail() { throw std::runtime_error(failureText.toStdString()); }

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            fail();
        return QObject::event(event);
    }
};

[[noreturn]] void throwError(const QString& kind, const QString& text) {
    if (kind == "database")
        throw DatabaseError(text);
    if (kind == "standard")
        throw std::runtime_error(text.toStdString());
    throw 42;
}

QStringList errorTexts(const ScriptedDialogService& dialogs) {
    QStringList texts;
    for (const auto& shown : dialogs.interactions()) {
        if (shown.kind == ScriptedDialogService::Kind::Message &&
            shown.icon == DialogService::Icon::Error && shown.buttons == DialogService::Ok)
            texts << shown.text;
    }
    return texts;
}

} // namespace

class TestErrorHandler final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failureEndsOnlyItsHandler_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("shownText");
        QTest::newRow("database error") << "database"
                                        << "Table 'wtarvelinhd.param' doesn't exist";
        QTest::newRow("standard error in UTF-8") << "standard" << failureText;
        QTest::newRow("anything else") << "other" << u"Neznáma chyba."_s;
    }

    void failureEndsOnlyItsHandler() {
        QFETCH(QString, kind);
        QFETCH(QString, shownText);
        ScriptedDialogService dialogs;
        QAction action;
        bool restOfHandlerRan = false;
        bool nextHandlerRan = false;
        // triggered(bool) carries an argument the handlers do not take.
        QObject::connect(&action, &QAction::triggered, &action, guarded([&] {
            throwError(kind, shownText);
            restOfHandlerRan = true;
        }));
        QObject::connect(&action, &QAction::triggered, &action,
                         guarded([&] { nextHandlerRan = true; }));

        action.trigger();

        QCOMPARE(errorTexts(dialogs), QStringList{shownText});
        QCOMPARE(dialogs.interactions().size(), 1);
        QVERIFY(!restOfHandlerRan);
        QVERIFY(nextHandlerRan);
    }

    void eventLoopGoesOnAfterFailure_data() {
        QTest::addColumn<bool>("throughGuard");
        QTest::newRow("signal handler through the guard") << true;
        QTest::newRow("event handler without guard") << false;
    }

    void eventLoopGoesOnAfterFailure() {
        QFETCH(bool, throughGuard);
        ScriptedDialogService dialogs;
        Thrower thrower;
        if (throughGuard)
            QTimer::singleShot(0, &thrower, guarded(&thrower, &Thrower::fail));
        else
            QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QEventLoop loop;
        bool laterEventHandled = false;
        QTimer::singleShot(0, &loop, [&] {
            laterEventHandled = true;
            loop.quit();
        });

        loop.exec();

        QVERIFY(laterEventHandled);
        QCOMPARE(errorTexts(dialogs), QStringList{failureText});
    }
};

int main(int argc, char** argv) {
    GuardedApplication application(argc, argv);
    TestErrorHandler test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ErrorHandler.moc"
