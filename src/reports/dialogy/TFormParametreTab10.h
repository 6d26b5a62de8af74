#pragma once

#include "DialogParametrov.h"
#include "reports/ObdobieKontrol.h"

class QDateEdit;
class QLabel;

/// The dialog of reports 10.A, 10.B, 19 and 23 that asks for the control period. Made once at the
/// program's start; each showing starts from the period the reports propose.
class TFormParametreTab10 : public DialogParametrov {
    Q_OBJECT
public:
    explicit TFormParametreTab10(QWidget* parent = nullptr);

    /// Sets both days before the dialog is shown.
    void FormShow(const ObdobieKontrol& navrh);
    ObdobieKontrol obdobie() const;

private:
    /// Closes the dialog with OK when the period is sound, else says why and stays.
    void BitBtnTlacClick();

    QLabel* LabelObdobieOd;
    QDateEdit* DateTimePickerObdobieOd;
    QLabel* LabelObdobieDo;
    QDateEdit* DateTimePickerObdobieDo;
};
