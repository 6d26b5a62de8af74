#include "TFormSplashScreen.h"

#include "app/art/PasturePicture.h"
#include "reports/MakerInfo.h"
#include "widgets/DesignFont.h"

#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int clientWidth = 498;
constexpr int clientHeight = 326;

} // namespace

TFormSplashScreen::TFormSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(u"FormSplashScreen"_s);
    setFixedSize(clientWidth, clientHeight);

    ImageSplashScreen = new QLabel(this);
    ImageSplashScreen->setObjectName(u"ImageSplashScreen"_s);
    ImageSplashScreen->setGeometry(rect());
    ImageSplashScreen->setScaledContents(true);
    ImageSplashScreen->setPixmap(QPixmap::fromImage(PasturePicture::paint()));

    const QFont small = DesignFont::make(u"MS Sans Serif"_s, 11, true);
    LabelNadpis =
        pridajPopis("LabelNadpis", u"WTarvelin HD"_s, DesignFont::make(u"Arial"_s, 40, true));
    LabelNadpis->move(109, 32);
    LabelPodnadpis = pridajPopis("LabelPodnadpis", u"(verzia chovateľ)"_s,
                                 DesignFont::make(u"MS Sans Serif"_s, 16));
    LabelPodnadpis->move(179, 72);

    // The maker's lines have no place of their own in the design but their height; they are
    // centred across the picture.
    const auto makerLine = [&](const char* name, const QString& text, int top) {
        QLabel* label = pridajPopis(name, text, small);
        label->setGeometry(0, top, clientWidth, label->height());
        return label;
    };
    LabelCopyright = makerLine("LabelCopyright", MakerInfo::copyrightLine(), 256);
    LabelPracovisko = makerLine("LabelPracovisko", MakerInfo::unitName(), 272);
    LabelAdresa = makerLine("LabelAdresa", MakerInfo::address(), 288);

    LabelVerzia = pridajPopis("LabelVerzia", u"ver. x.x"_s, small);
    LabelVerzia->move(435, 304);
    // Above the maker's lines, across the picture; empty unless the start takes long.
    LabelCinnost = makerLine("LabelCinnost", QString(), 232);
    LabelCinnost->setFont(DesignFont::make(u"MS Sans Serif"_s, 13, true));
    LabelCinnost->setFixedHeight(18);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFormSplashScreen::nastavVerziu(const QString& version) {
    LabelVerzia->setText(u"ver. "_s + version);
    LabelVerzia->adjustSize();
}

void TFormSplashScreen::ukazCinnost(const QString& cinnost) {
    LabelCinnost->setText(cinnost);
    repaint();
    // One pass so that the window system shows it; nothing else exists yet to react.
    QApplication::processEvents();
}

QLabel* TFormSplashScreen::pridajPopis(const char* name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QPalette silver = label->palette();
    silver.setColor(QPalette::WindowText, QColor(192, 192, 192));
    label->setPalette(silver);
    // Silver alone gets lost among the flowers; a faint shadow keeps every line readable.
    auto* shadow = new QGraphicsDropShadowEffect(label);
    shadow->setBlurRadius(4);
    shadow->setOffset(1, 1);
    shadow->setColor(QColor(0, 0, 0, 220));
    label->setGraphicsEffect(shadow);
    label->adjustSize();
    return label;
}
