#pragma once

#include "reports/PriebehKnihy.h"

#include <QProgressDialog>

/// The progress of the book of reports in the window: which report is being prepared, how many
/// are done, and a button that stops the book before the next report.
class DialogPriebehuKnihy : public QProgressDialog, public PriebehKnihy {
    Q_OBJECT
public:
    explicit DialogPriebehuKnihy(QWidget* parent = nullptr);

    bool pred(int poradie, int pocet, const PolozkaKatalogu& polozka) override;
    void koniec() override;
};
