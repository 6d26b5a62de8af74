#pragma once

#include "reports/CakanieNaVyber.h"

#include <QDialog>

class QLabel;
class QPushButton;

/// The window's wait for the selection's lock that another report or user holds: a small window
/// names the work that waits and how long it has waited, and its button Zrušiť gives the wait
/// up. Between the attempts for the lock it keeps the program painted; while it is up the other
/// windows take no input, so no second work starts meanwhile.
class DialogCakaniaNaVyber : public QDialog, public CakanieNaVyber {
    Q_OBJECT
public:
    explicit DialogCakaniaNaVyber(QWidget* parent = nullptr);
    ~DialogCakaniaNaVyber() override;

    bool cakaj(const QString& praca, std::chrono::milliseconds cakane) override;
    void koniec() override;

    QString text() const;

    /// Escape gives the wait up, as Zrušiť does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_text;
    QPushButton* m_zrusit;
    bool m_zrusene = false;
};
