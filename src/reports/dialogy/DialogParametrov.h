#pragma once

#include <QDialog>

class QGridLayout;
class QGroupBox;
class QPushButton;

/// What the parameter dialogs of reports 8 and 10.A to 19 share: the group box " Parametre "
/// holding the inputs in a grid, beside a column with the button that confirms and the one
/// that cancels, at a fixed size.
class DialogParametrov : public QDialog {
    Q_OBJECT
protected:
    DialogParametrov(const QString& meno, const QString& titulok, const QString& potvrdenie,
                     QWidget* parent);

    /// Fixes the size once the inputs are in the grid: the designed one, or larger when the
    /// inputs need it.
    void dokonci();

    QGroupBox* GroupBoxParametre;
    QGridLayout* m_polia;
    /// Confirms; each dialog checks its inputs in its own click handler.
    QPushButton* BitBtnTlac;
    QPushButton* BitBtnZrus;
};
