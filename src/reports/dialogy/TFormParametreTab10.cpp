#include "TFormParametreTab10.h"

#include "reports/ChybaVstupu.h"
#include "widgets/DialogService.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

QDateEdit* vyberDatumu(const char* meno, QWidget* rodic) {
    auto* datum = new QDateEdit(rodic);
    datum->setObjectName(QString::fromLatin1(meno));
    datum->setCalendarPopup(true);
    datum->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    return datum;
}

} // namespace

TFormParametreTab10::TFormParametreTab10(QWidget* parent)
    : DialogParametrov(u"FormParametreTab10"_s, u"Zadaj kontrolné obdobie"_s, u"&OK"_s, parent) {
    LabelObdobieOd = new QLabel(u"Kontrolné obdobie od:"_s, GroupBoxParametre);
    LabelObdobieOd->setObjectName(u"LabelObdobieOd"_s);
    DateTimePickerObdobieOd = vyberDatumu("DateTimePickerObdobieOd", GroupBoxParametre);
    LabelObdobieDo = new QLabel(u"Kontrolné obdobie do:"_s, GroupBoxParametre);
    LabelObdobieDo->setObjectName(u"LabelObdobieDo"_s);
    DateTimePickerObdobieDo = vyberDatumu("DateTimePickerObdobieDo", GroupBoxParametre);
    LabelObdobieOd->setBuddy(DateTimePickerObdobieOd);
    LabelObdobieDo->setBuddy(DateTimePickerObdobieDo);
    m_polia->addWidget(LabelObdobieOd, 0, 0);
    m_polia->addWidget(DateTimePickerObdobieOd, 0, 1);
    m_polia->addWidget(LabelObdobieDo, 1, 0);
    m_polia->addWidget(DateTimePickerObdobieDo, 1, 1);
    connect(BitBtnTlac, &QPushButton::clicked, this, &TFormParametreTab10::BitBtnTlacClick);
    dokonci();
}

void TFormParametreTab10::FormShow(const ObdobieKontrol& navrh) {
    DateTimePickerObdobieDo->setDate(navrh.koniec);
    DateTimePickerObdobieOd->setDate(navrh.zaciatok);
    DateTimePickerObdobieOd->setFocus();
}

ObdobieKontrol TFormParametreTab10::obdobie() const {
    return {DateTimePickerObdobieOd->date(), DateTimePickerObdobieDo->date()};
}

void TFormParametreTab10::BitBtnTlacClick() {
    try {
        ObdobieKontrol::zo(DateTimePickerObdobieOd->date(), DateTimePickerObdobieDo->date());
    } catch (const ChybaVstupu& odmietnute) {
        DialogService::instance().error(odmietnute.message());
        DateTimePickerObdobieOd->setFocus();
        return;
    }
    accept();
}
