#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

/// The about box: the meadow picture beside the program's name, version, date and copyright.
/// Created once at start-up; the main window fills its texts when it is first shown.
class TFormOAplikacii : public QDialog {
    Q_OBJECT
public:
    explicit TFormOAplikacii(QWidget* parent = nullptr);

    void nastavTexty(const QString& nazov, const QString& verzia, const QString& datum,
                     const QString& copyright);

    QLabel* ImageObrazok = nullptr;
    QGroupBox* GroupBoxInfo = nullptr;
    QLabel* LabelNazov = nullptr;
    QLabel* LabelVerzia = nullptr;
    QLabel* LabelDatum = nullptr;
    QLabel* LabelCopyright = nullptr;
    QPushButton* BitBtnZavriet = nullptr;

private:
    QLabel* pridajPopis(const char* name, int top);
};
