#include "TFormParametreTab8.h"

#include "reports/ChybaVstupu.h"
#include "widgets/DialogService.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

TFormParametreTab8::TFormParametreTab8(QWidget* parent)
    : DialogParametrov(u"FormParametreTab8"_s, u"Zoznam najlepších kráv"_s, u"&Tlač"_s, parent) {
    LabelVelkostSkupiny = new QLabel(u"Veľkosť skupiny:"_s, GroupBoxParametre);
    LabelVelkostSkupiny->setObjectName(u"LabelVelkostSkupiny"_s);
    EditVelkostSkupiny = new QLineEdit(VolbaNajlepsich().velkost, GroupBoxParametre);
    EditVelkostSkupiny->setObjectName(u"EditVelkostSkupiny"_s);
    connect(EditVelkostSkupiny, &QLineEdit::textChanged, this,
            &TFormParametreTab8::EditVelkostSkupinyChange);
    LabelZoradenie = new QLabel(u"Zoradiť podľa:"_s, GroupBoxParametre);
    LabelZoradenie->setObjectName(u"LabelZoradenie"_s);
    ComboBoxZoradenie = new QComboBox(GroupBoxParametre);
    ComboBoxZoradenie->setObjectName(u"ComboBoxZoradenie"_s);
    ComboBoxZoradenie->setEditable(true);
    ComboBoxZoradenie->setInsertPolicy(QComboBox::NoInsert);
    qsizetype najdlhsia = 0;
    for (const NajlepsieKravy::Zoradenie& zoradenie : NajlepsieKravy::zoradenia()) {
        ComboBoxZoradenie->addItem(zoradenie.polozka);
        najdlhsia = std::max(najdlhsia, zoradenie.polozka.size());
    }
    // Every measure readable whole, in the list and once chosen.
    ComboBoxZoradenie->setMinimumContentsLength(int(najdlhsia));
    ComboBoxZoradenie->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The list opens showing its first entry, none of them chosen.
    ComboBoxZoradenie->setCurrentIndex(-1);
    ComboBoxZoradenie->setEditText(NajlepsieKravy::zoradenia().front().polozka);
    connect(ComboBoxZoradenie, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_zoradenie = index; });
    connect(ComboBoxZoradenie, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (m_zoradenie >= 0 && text != ComboBoxZoradenie->itemText(m_zoradenie))
            m_zoradenie = -1;
    });
    LabelVelkostSkupiny->setBuddy(EditVelkostSkupiny);
    LabelZoradenie->setBuddy(ComboBoxZoradenie);
    m_polia->addWidget(LabelVelkostSkupiny, 0, 0);
    m_polia->addWidget(EditVelkostSkupiny, 0, 1);
    m_polia->addWidget(LabelZoradenie, 1, 0);
    m_polia->addWidget(ComboBoxZoradenie, 1, 1);
    connect(BitBtnTlac, &QPushButton::clicked, this, &TFormParametreTab8::BitBtnTlacClick);
    dokonci();
}

VolbaNajlepsich TFormParametreTab8::volba() const {
    return {EditVelkostSkupiny->text(), m_zoradenie};
}

void TFormParametreTab8::EditVelkostSkupinyChange(const QString& text) {
    switch (NajlepsieKravy::posud(text)) {
    case NajlepsieKravy::StavVelkosti::Dobra:
        break;
    case NajlepsieKravy::StavVelkosti::PrilisVelka:
        DialogService::instance().error(NajlepsieKravy::prilisVelka);
        break;
    case NajlepsieKravy::StavVelkosti::Nespravna:
        DialogService::instance().error(NajlepsieKravy::nespravna);
        EditVelkostSkupiny->setFocus();
        break;
    }
}

void TFormParametreTab8::BitBtnTlacClick() {
    try {
        NajlepsieKravy::zo(volba());
    } catch (const ChybaVstupu& odmietnute) {
        DialogService::instance().error(odmietnute.message());
        EditVelkostSkupiny->setFocus();
        EditVelkostSkupiny->selectAll();
        return;
    }
    accept();
}
