#include "app/TFormOAplikacii.h"
#include "app/TFormSplashScreen.h"
#include "app/TFrameInfo.h"
#include "app/art/ProgramIcon.h"
#include "app/art/TarvelinIcons.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A label shows its whole text only when the text fits its width and the label fits the window.
void verifyWhollyShown(const QLabel* label, const QWidget* window) {
    QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
    QVERIFY2(window->rect().contains(label->geometry()), qPrintable(label->objectName()));
}

} // namespace

class TestShellWindows final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splashLabels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("title") << "LabelNadpis"
                               << "WTarvelin HD" << QPoint(109, 32) << 40;
        QTest::newRow("subtitle") << "LabelPodnadpis" << u"(verzia chovateľ)"_s << QPoint(179, 72)
                                  << 16;
        QTest::newRow("version") << "LabelVerzia"
                                 << "ver. 1.0.0" << QPoint(435, 304) << 11;
        QTest::newRow("copyright") << "LabelCopyright" << QString() << QPoint(0, 256) << 11;
        QTest::newRow("maker") << "LabelPracovisko" << QString() << QPoint(0, 272) << 11;
        QTest::newRow("address") << "LabelAdresa" << QString() << QPoint(0, 288) << 11;
    }

    void splashLabels() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QPoint, position);
        QFETCH(int, pixelSize);
        TFormSplashScreen splash;
        splash.nastavVerziu(u"1.0.0"_s);

        const auto* label = splash.findChild<QLabel*>(name);
        QVERIFY(label);
        if (!text.isNull())
            QCOMPARE(label->text(), text);
        QVERIFY(!label->text().isEmpty());
        QCOMPARE(label->pos(), position);
        QCOMPARE(label->font().pixelSize(), pixelSize);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(192, 192, 192));
        verifyWhollyShown(label, &splash);
        QCOMPARE(splash.size(), QSize(498, 326));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    void splashWithoutVersion() {
        TFormSplashScreen splash;
        splash.nastavVerziu(QString());
        QCOMPARE(splash.LabelVerzia->text(), "ver. ");
    }

    void aboutBoxShowsItsTextsAndCloses() {
        TFormOAplikacii about;
        about.nastavTexty("WTarvelinHD", "Verzia programu: 1.0.0", "marec 2012",
                          u"© 2026 Tarvelin – program pre chovateľov dojníc"_s);
        about.show();

        QCOMPARE(about.size(), QSize(651, 308));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        for (const QLabel* label :
             {about.LabelNazov, about.LabelVerzia, about.LabelDatum, about.LabelCopyright})
            verifyWhollyShown(label, about.GroupBoxInfo);
        QCOMPARE(about.LabelVerzia->text(), "Verzia programu: 1.0.0");
        QTest::mouseClick(about.BitBtnZavriet, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    void informationPageFromTheProgramFolder_data() {
        QTest::addColumn<QString>("folderName");
        QTest::newRow("plain") << "program";
        QTest::newRow("blank and diacritics") << u"Môj program"_s;
    }

    void informationPageFromTheProgramFolder() {
        QFETCH(QString, folderName);
        QTemporaryDir root;
        const QString folder = root.filePath(folderName);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/TarvelinInfo.html",
                            folder + "/TarvelinInfo.html"));
        TFrameInfo frame;

        frame.zobrazStranku(folder);

        QCOMPARE(frame.WebBrowserInfo->source().toLocalFile(), folder + "/TarvelinInfo.html");
        QVERIFY(frame.WebBrowserInfo->toPlainText().contains(u"Kde sú vaše údaje"_s));
    }

    void icons_data() {
        QTest::addColumn<QIcon>("icon");
        for (const char* name : {"pripojit", "odpojit", "strom", "zaloha", "aktualizacia",
                                 "nastavenia", "info", "koniec", "zostava", "hladaj"})
            QTest::newRow(name) << TarvelinIcons::toolbar(QString::fromLatin1(name));
        for (int index = 0; index < 5; ++index)
            QTest::addRow("tree %d", index) << TarvelinIcons::tree(index);
    }

    void icons() {
        QFETCH(QIcon, icon);
        const QImage image = icon.pixmap(16, 16).toImage();
        QCOMPARE(image.size(), QSize(16, 16));
        int painted = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x)
                painted += qAlpha(image.pixel(x, y)) > 0;
        }
        QVERIFY2(painted > 30, "the icon is (nearly) empty");
    }

    void programIconAtEverySize_data() {
        QTest::addColumn<int>("size");
        for (const int size : ProgramIcon::Sizes)
            QTest::addRow("%d", size) << size;
    }
    void programIconAtEverySize() {
        QFETCH(int, size);
        const QImage image = ProgramIcon::image(size);
        QCOMPARE(image.size(), QSize(size, size));
        int opaque = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        }
        // The picture fills most of its square; the smallest sizes are the tree's cow on grass.
        QVERIFY2(opaque > size * size / 3,
                 qPrintable(u"%1 of %2 pixels"_s.arg(opaque).arg(size * size)));
        QCOMPARE(ProgramIcon::icon().pixmap(size, size).size(), QSize(size, size));
    }

    void unknownIconsAreNull() {
        QVERIFY(TarvelinIcons::toolbar(u"pripoj"_s).isNull());
        QVERIFY(TarvelinIcons::tree(5).isNull());
    }
};

QTEST_MAIN(TestShellWindows)
#include "tst_ShellWindows.moc"
