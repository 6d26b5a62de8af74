#pragma once

#include "DialogParametrov.h"
#include "reports/NajlepsieKravy.h"

class QComboBox;
class QLabel;
class QLineEdit;

/// The dialog of report 8 that asks how many of the best cows to list and by which measure.
/// Made once at the program's start, so the size and measure chosen stay for the next report.
class TFormParametreTab8 : public DialogParametrov {
    Q_OBJECT
public:
    explicit TFormParametreTab8(QWidget* parent = nullptr);

    VolbaNajlepsich volba() const;

private:
    /// Runs on every change of the group size: names a size too large or not a number at once.
    void EditVelkostSkupinyChange(const QString& text);
    /// Closes the dialog with OK for a size the report takes, else says why and stays.
    void BitBtnTlacClick();

    QLabel* LabelVelkostSkupiny;
    QLineEdit* EditVelkostSkupiny;
    QLabel* LabelZoradenie;
    QComboBox* ComboBoxZoradenie;
    /// The entry chosen in the list; -1 before a choice or after a text of one's own is typed.
    int m_zoradenie = -1;
};
