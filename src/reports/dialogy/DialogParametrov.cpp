#include "DialogParametrov.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

DialogParametrov::DialogParametrov(const QString& meno, const QString& titulok,
                                   const QString& potvrdenie, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(meno);
    setWindowTitle(titulok);

    GroupBoxParametre = new QGroupBox(u" Parametre "_s, this);
    GroupBoxParametre->setObjectName(u"GroupBoxParametre"_s);
    m_polia = new QGridLayout(GroupBoxParametre);
    m_polia->setColumnStretch(1, 1);

    BitBtnTlac = new QPushButton(potvrdenie, this);
    BitBtnTlac->setObjectName(u"BitBtnTlac"_s);
    BitBtnTlac->setDefault(true);
    BitBtnZrus = new QPushButton(u"&Zrušiť"_s, this);
    BitBtnZrus->setObjectName(u"BitBtnZrus"_s);
    connect(BitBtnZrus, &QPushButton::clicked, this, &QDialog::reject);
    auto* tlacidla = new QVBoxLayout;
    tlacidla->addWidget(BitBtnTlac);
    tlacidla->addWidget(BitBtnZrus);
    tlacidla->addStretch();

    auto* rozlozenie = new QHBoxLayout(this);
    rozlozenie->addWidget(GroupBoxParametre, 1);
    rozlozenie->addLayout(tlacidla);
}

void DialogParametrov::dokonci() {
    setFixedSize(sizeHint().expandedTo(QSize(405, 140)));
}
