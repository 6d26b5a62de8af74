#include "KomponentyRamca.h"

#include "data/Dataset.h"

#include "widgets/DBGrid.h"
#include "widgets/DesignFont.h"
#include "widgets/LetterIcon.h"
#include "widgets/PageControl.h"
#include "widgets/StatusPanelBar.h"

#include <QActionGroup>
#include <QComboBox>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

KomponentyRamca::KomponentyRamca(TDataModuleHlavny& data, const QString& menoZaloziek,
                                 QWidget* parent)
    : QFrame(parent)
    , m_data(data)
    , m_zalozky(new PageControl(this)) {
    // The window's design font, for which the designed column widths are made.
    setFont(DesignFont::make(u"MS Sans Serif"_s, 11));
    m_zalozky->setObjectName(menoZaloziek);
    auto* rozlozenie = new QVBoxLayout(this);
    rozlozenie->setContentsMargins(0, 0, 0, 0);
    rozlozenie->addWidget(m_zalozky);
}

int KomponentyRamca::viditelnaZalozka() const {
    return m_zalozky->visiblePageIndex();
}

void KomponentyRamca::zobrazPrvuZalozku() {
    m_zalozky->setCurrentIndex(0);
}

QWidget* KomponentyRamca::stranaVpredu() const {
    return viditelnaZalozka() < 0 ? nullptr : m_zalozky->currentWidget();
}

DBGrid* KomponentyRamca::mriezka(QWidget* rodic, const char* meno, Dataset* data,
                                 QList<GridColumn> stlpce) {
    auto* mriezka = new DBGrid(rodic);
    mriezka->setObjectName(QLatin1String(meno));
    mriezka->setColumns(std::move(stlpce));
    mriezka->setDataset(data);
    return mriezka;
}

StatusPanelBar* KomponentyRamca::stavovyRiadok(QWidget* rodic, const char* meno) {
    auto* riadok = new StatusPanelBar({100}, rodic);
    riadok->setObjectName(QLatin1String(meno));
    return riadok;
}

QToolBar* KomponentyRamca::panelNastrojov(QWidget* rodic, const char* meno) {
    auto* panel = new QToolBar(rodic);
    panel->setObjectName(QLatin1String(meno));
    panel->setIconSize(QSize(16, 16));
    panel->setMovable(false);
    return panel;
}

QAction* KomponentyRamca::prepinac(QToolBar* panel, QActionGroup* skupina, const char* meno,
                                   const QString& popis, const QString& obrazok,
                                   const QColor& farba, const QString& text) {
    QAction* tlacidlo = panel->addAction(LetterIcon::create(obrazok, farba), text);
    tlacidlo->setObjectName(QLatin1String(meno));
    tlacidlo->setToolTip(popis);
    tlacidlo->setCheckable(true);
    skupina->addAction(tlacidlo);
    return tlacidlo;
}

QComboBox* KomponentyRamca::poradiaLaktacie(QWidget* rodic, int pocet) {
    auto* zoznam = new QComboBox(rodic);
    zoznam->setObjectName(u"ComboBoxPoradieLaktacie"_s);
    for (int poradie = 1; poradie <= pocet; ++poradie)
        zoznam->addItem(QString::number(poradie));
    zoznam->setCurrentIndex(-1);
    return zoznam;
}

QString KomponentyRamca::vzorPola(const Dataset* data, const QString& pole) {
    for (const FieldDef& definicia : data->declaredFields())
        if (definicia.name.compare(pole, Qt::CaseInsensitive) == 0)
            return definicia.displayFormat;
    return {};
}
