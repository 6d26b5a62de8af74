#include "DialogCakaniaNaVyber.h"

#include "reports/ZamokVyberu.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// How often the lock is asked for again; short enough that the work goes on at once.
constexpr int pauzaMs = 250;

} // namespace

DialogCakaniaNaVyber::DialogCakaniaNaVyber(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_text(new QLabel)
    , m_zrusit(new QPushButton(u"Zrušiť"_s)) {
    setObjectName(u"DialogCakaniaNaVyber"_s);
    setWindowTitle(u"Čaká sa na výber"_s);
    setWindowModality(Qt::ApplicationModal);
    m_text->setObjectName(u"LabelCakanie"_s);
    m_text->setMinimumWidth(380);
    m_text->setWordWrap(true);
    m_zrusit->setObjectName(u"BitBtnZrusit"_s);
    auto* tlacidla = new QDialogButtonBox;
    tlacidla->addButton(m_zrusit, QDialogButtonBox::RejectRole);
    connect(tlacidla, &QDialogButtonBox::rejected, this, &DialogCakaniaNaVyber::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(tlacidla);
}

DialogCakaniaNaVyber::~DialogCakaniaNaVyber() = default;

bool DialogCakaniaNaVyber::cakaj(const QString& praca, std::chrono::milliseconds cakane) {
    if (!isVisible()) {
        m_zrusene = false;
        show();
    }
    const auto sekundy = std::chrono::duration_cast<std::chrono::seconds>(cakane).count();
    m_text->setText(u"%1 čaká, kým iná zostava alebo iný používateľ programu uvoľní výber v "
                    u"databáze (čaká %2 s, najviac %3 s)."_s.arg(praca)
                        .arg(sekundy)
                        .arg(ZamokVyberu::cakanie.count()));
    // The program is painted and the button heard until the next attempt.
    QEventLoop pauza;
    QTimer::singleShot(pauzaMs, &pauza, &QEventLoop::quit);
    pauza.exec();
    return !m_zrusene;
}

void DialogCakaniaNaVyber::koniec() {
    hide();
}

QString DialogCakaniaNaVyber::text() const {
    return m_text->text();
}

void DialogCakaniaNaVyber::reject() {
    m_zrusene = true;
}

void DialogCakaniaNaVyber::closeEvent(QCloseEvent* event) {
    // Closing by the title bar gives the wait up as well; the dialog goes when the wait ends.
    m_zrusene = true;
    event->ignore();
}
