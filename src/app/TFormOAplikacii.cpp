#include "TFormOAplikacii.h"

#include "app/art/PasturePicture.h"
#include "widgets/DesignFont.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

TFormOAplikacii::TFormOAplikacii(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(u"FormOAplikacii"_s);
    setWindowTitle(u"O aplikácii Tarvelin"_s);
    setFixedSize(651, 308);

    // Not stretched: the box shows the top-left part of the picture.
    ImageObrazok = new QLabel(this);
    ImageObrazok->setObjectName(u"ImageObrazok"_s);
    ImageObrazok->setGeometry(8, 14, 201, 241);
    ImageObrazok->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImageObrazok->setPixmap(QPixmap::fromImage(PasturePicture::paint()));

    GroupBoxInfo = new QGroupBox(u" Tarvelin "_s, this);
    GroupBoxInfo->setObjectName(u"GroupBoxInfo"_s);
    GroupBoxInfo->setGeometry(216, 8, 425, 249);
    LabelNazov = pridajPopis("LabelNazov", 56);
    LabelNazov->setFont(DesignFont::make(u"Verdana"_s, 16, true));
    LabelVerzia = pridajPopis("LabelVerzia", 88);
    LabelDatum = pridajPopis("LabelDatum", 184);
    LabelCopyright = pridajPopis("LabelCopyright", 208);

    BitBtnZavriet = new QPushButton(u"&Zavrieť"_s, this);
    BitBtnZavriet->setObjectName(u"BitBtnZavriet"_s);
    BitBtnZavriet->setGeometry(288, 272, 75, 25);
    BitBtnZavriet->setDefault(true);
    connect(BitBtnZavriet, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFormOAplikacii::nastavTexty(const QString& nazov, const QString& verzia, const QString& datum,
                                  const QString& copyright) {
    LabelNazov->setText(nazov);
    LabelVerzia->setText(verzia);
    LabelDatum->setText(datum);
    LabelCopyright->setText(copyright);
}

QLabel* TFormOAplikacii::pridajPopis(const char* name, int top) {
    auto* label = new QLabel(GroupBoxInfo);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(8, top, 409, 20);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
