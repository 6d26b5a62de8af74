#pragma once

#include <QDialog>
#include <utility>

class QLabel;
class QLineEdit;
class QPushButton;

/// The dialog of reports 7.AA and 7.BB that asks for the lower and upper bound of milk. Made
/// once at the program's start, so the bounds typed stay for the next report. The button OK and
/// the window's close box take the bounds, and bounds the reports would refuse are named in an
/// error box while the dialog stays open; Zrušiť and Escape leave it without a report.
class TFormHraniceOdDo : public QDialog {
    Q_OBJECT
public:
    explicit TFormHraniceOdDo(QWidget* parent = nullptr);

    /// The bounds as typed, lower and upper.
    std::pair<QString, QString> hranice() const;

    void accept() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    /// Closes the dialog when the bounds are sound; what the form's close handler did.
    void FormClose();

    QLabel* Label3;
    QLabel* Label1;
    QLineEdit* EditHraniceOd7AA;
    QLabel* Label2;
    QLineEdit* EditHraniceDo7AA;
    QPushButton* ButtonOK;
    QPushButton* ButtonZrusit;
};
