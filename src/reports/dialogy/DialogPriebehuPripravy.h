#pragma once

#include "reports/PriebehPripravy.h"

#include <QDialog>

class QLabel;
class QProgressBar;

/// The window's view of a report's preparation statements: while a long chain of working tables
/// is rebuilt, a small window says which step of how many runs and what it makes, and repaints
/// between the statements so that the program is seen to work. It stands over the window that
/// started the work, blocks the other windows while it is up and cannot be closed: the statements
/// run to their end or to their first failure. It is shown, not run modally: the thread belongs to
/// the statements.
class DialogPriebehuPripravy : public QDialog, public PriebehPripravy {
    Q_OBJECT
public:
    explicit DialogPriebehuPripravy(const QString& titul, QWidget* parent = nullptr);
    ~DialogPriebehuPripravy() override;

    void pred(int krok, int pocet, const QString& popis) override;
    void koniec() override;

    QString text() const;

    /// Escape does not take it away either.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_popis;
    QProgressBar* m_priebeh;
    bool m_kurzor = false;
};
