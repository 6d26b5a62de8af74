#pragma once

#include "exchange/PriebehVymeny.h"

#include <QProgressDialog>

/// The progress of an import or export in the window: the step it is at and how far, with a
/// button that stops it. The work runs on this thread; the dialog is drawn, and a click on its
/// button heard, whenever the work reports its progress. A stop ends the work with
/// ZrusenaVymena before anything is written.
class DialogPriebehuVymeny : public QProgressDialog {
    Q_OBJECT
public:
    DialogPriebehuVymeny(const QString& titul, QWidget* parent = nullptr);

    /// What the work reports its progress to.
    PriebehVymeny priebeh();

private:
    void hlas(const QString& krok, qint64 hotovo, qint64 celkom);
};
