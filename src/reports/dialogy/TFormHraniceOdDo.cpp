#include "TFormHraniceOdDo.h"

#include "reports/ChybaVstupu.h"
#include "reports/HraniceMlieka.h"
#include "widgets/DialogService.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

QLabel* tucnyPopis(const char* meno, const QString& text, QWidget* rodic) {
    auto* popis = new QLabel(text, rodic);
    popis->setObjectName(QString::fromLatin1(meno));
    QFont font = popis->font();
    font.setBold(true);
    popis->setFont(font);
    return popis;
}

} // namespace

TFormHraniceOdDo::TFormHraniceOdDo(QWidget* parent)
    : QDialog(parent) {
    setObjectName(u"FormHraniceOdDo"_s);
    setWindowTitle(u"Hranice od - do"_s);
    resize(285, 206);

    Label3 = tucnyPopis("Label3", u"Zadaj kg mlieka od - do"_s, this);
    Label1 = tucnyPopis("Label1", u"Od ."_s, this);
    EditHraniceOd7AA = new QLineEdit(HraniceMlieka::predvolenaDolna, this);
    EditHraniceOd7AA->setObjectName(u"EditHraniceOd7AA"_s);
    Label2 = tucnyPopis("Label2", u"Do :"_s, this);
    EditHraniceDo7AA = new QLineEdit(HraniceMlieka::predvolenaHorna, this);
    EditHraniceDo7AA->setObjectName(u"EditHraniceDo7AA"_s);
    Label1->setBuddy(EditHraniceOd7AA);
    Label2->setBuddy(EditHraniceDo7AA);
    ButtonOK = new QPushButton(u"OK"_s, this);
    ButtonOK->setObjectName(u"ButtonOK"_s);
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormHraniceOdDo::accept);
    ButtonZrusit = new QPushButton(u"Zrušiť"_s, this);
    ButtonZrusit->setObjectName(u"ButtonZrusit"_s);
    connect(ButtonZrusit, &QPushButton::clicked, this, &TFormHraniceOdDo::reject);
    auto* tlacidla = new QHBoxLayout;
    tlacidla->addStretch();
    tlacidla->addWidget(ButtonOK);
    tlacidla->addWidget(ButtonZrusit);
    tlacidla->addStretch();

    auto* rozlozenie = new QGridLayout(this);
    rozlozenie->setContentsMargins(24, 16, 24, 16);
    rozlozenie->addWidget(Label3, 0, 0, 1, 2, Qt::AlignHCenter);
    rozlozenie->addWidget(Label1, 1, 0);
    rozlozenie->addWidget(EditHraniceOd7AA, 1, 1);
    rozlozenie->addWidget(Label2, 2, 0);
    rozlozenie->addWidget(EditHraniceDo7AA, 2, 1);
    rozlozenie->addLayout(tlacidla, 3, 0, 1, 2);
    rozlozenie->setColumnStretch(1, 1);
    rozlozenie->setRowStretch(4, 1);
}

std::pair<QString, QString> TFormHraniceOdDo::hranice() const {
    return {EditHraniceOd7AA->text(), EditHraniceDo7AA->text()};
}

void TFormHraniceOdDo::accept() {
    FormClose();
}

// The close box takes the bounds as the button does; Escape and Zrušiť come to reject().
void TFormHraniceOdDo::closeEvent(QCloseEvent* event) {
    if (!isVisible())
        return;
    FormClose();
    if (isVisible())
        event->ignore();
}

void TFormHraniceOdDo::FormClose() {
    try {
        HraniceMlieka::zo(EditHraniceOd7AA->text(), EditHraniceDo7AA->text());
    } catch (const ChybaVstupu& odmietnute) {
        DialogService::instance().error(odmietnute.message());
        EditHraniceOd7AA->setFocus();
        return;
    }
    done(QDialog::Accepted);
}
