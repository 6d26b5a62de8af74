#include "DialogPriebehuPripravy.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

DialogPriebehuPripravy::DialogPriebehuPripravy(const QString& titul, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_popis(new QLabel)
    , m_priebeh(new QProgressBar) {
    setObjectName(u"DialogPriebehuPripravy"_s);
    setWindowTitle(titul);
    setWindowModality(Qt::ApplicationModal);
    m_popis->setObjectName(u"LabelPriebeh"_s);
    m_popis->setMinimumWidth(360);
    m_priebeh->setObjectName(u"ProgressBarPriebeh"_s);
    m_priebeh->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_popis);
    layout->addWidget(m_priebeh);
}

DialogPriebehuPripravy::~DialogPriebehuPripravy() {
    koniec();
}

void DialogPriebehuPripravy::pred(int krok, int pocet, const QString& popis) {
    m_popis->setText(u"Krok %1 z %2: %3"_s.arg(krok).arg(pocet).arg(popis));
    m_priebeh->setRange(0, pocet);
    m_priebeh->setValue(krok - 1);
    if (!m_kurzor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_kurzor = true;
    }
    if (!isVisible())
        show();
    // The statement that follows holds the thread; what is shown must be painted before it. The
    // other windows are blocked while this one is up, so the user's clicks there go nowhere.
    QCoreApplication::processEvents();
}

void DialogPriebehuPripravy::koniec() {
    hide();
    if (m_kurzor) {
        QApplication::restoreOverrideCursor();
        m_kurzor = false;
    }
}

QString DialogPriebehuPripravy::text() const {
    return m_popis->text();
}

void DialogPriebehuPripravy::closeEvent(QCloseEvent* event) {
    event->ignore();
}
