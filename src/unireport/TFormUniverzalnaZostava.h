#pragma once

#include <QDialog>
#include <QStringList>

class DBGrid;
class PageControl;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class RadioGroup;
class TDataModuleHlavny;
class TFormZostava;
class ZoznamPoloziek;

/// The universal report builder: in four pages walked through like a wizard the user chooses a
/// data type (one of eleven flat sources), picks and orders its columns, composes a condition
/// from column, operator and value, looks at the result, gives columns display names and a sort
/// order, and stores the statement under a name in sys_zostavy, from where the viewer opens it.
/// The statement lives in the output query of the main data module, which the viewer shares.
/// A new window is made for every opening.
class TFormUniverzalnaZostava : public QDialog {
    Q_OBJECT
public:
    /// The viewer opens the definitions chosen on the last page with the copyright line and the
    /// enterprise code of the main window.
    TFormUniverzalnaZostava(TDataModuleHlavny& data, TFormZostava& formZostava,
                            QString textCopyright, QString kodPodniku, QWidget* parent = nullptr);
    ~TFormUniverzalnaZostava() override;

    /// The captions of the data types and the tables they read, by the same index.
    static const QStringList& TypyUdajov();
    static const QStringList& TabulkyUdajov();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void RadioGroupTypUdajovClick();
    void BitBtnPridatClick();
    void BitBtnOdobratClick();
    void SpeedButtonHoreClick();
    void SpeedButtonDoleClick();
    void ListViewVybrateChange();
    void BitBtnDalejClick();
    void BitBtnSpatClick();
    void PageControlUniverzalnaZostavaChange();
    void TabSheetPodmienkaShow();
    void BitBtnPridatPodmienkuClick();
    void TabSheetVystupShow();
    void DBGridVystupTitleClick(int stlpec);
    void EditNazovStlpcaExit();
    void NastavTriedenie();
    void BitBtnUlozitVyberClick();
    void DataSourceZostavyDataCange();
    void BitBtnVytvorZostavuOnClick();
    void BitBtnVymazZostavyOnClick();

    void NaplnZoznamStlpcov(const QString& tabulka, ZoznamPoloziek& zoznam);
    void ObnovZoznamyStlpcov();
    void ZobrazVystup();
    QString DajPodmienku() const;
    QString DajVybrateStlpce() const;
    QString DajTabulku() const;
    void PremenujStlpec(const QString& novyNazov);

    QWidget* vytvorStranuTypu();
    QWidget* vytvorStranuPodmienky();
    QWidget* vytvorStranuVystupu();
    QWidget* vytvorStranuUlozenia();
    QWidget* vytvorTlacidla();
    void prepoj();
    /// Moves the chosen row to the position and selects the row now at vyber.
    void presunVybraty(int kam, int vyber);
    /// Paints the current output column and names it in the edit; the other columns get the
    /// window's colour.
    void zvyrazniAktualnyStlpec();
    /// Runs the output query on a new statement; returns the error's text, which leaves the
    /// query closed, or nothing.
    QString spustiVystup(const QString& prikaz);
    /// After a rename or a sort: the error, or the current column marked again.
    void ukazVysledok(const QString& chyba);

    TDataModuleHlavny& m_data;
    TFormZostava& m_formZostava;
    QString m_textCopyright;
    QString m_kodPodniku;

    int AktualnyStlpec = 0;
    int IdVybranejZostavy = 0;
    bool m_zobrazene = false;
    bool m_premenuvam = false;

    PageControl* PageControlUniverzalnaZostava = nullptr;
    QWidget* TabSheetVyberTypuUdajov = nullptr;
    QWidget* TabSheetPodmienka = nullptr;
    QWidget* TabSheetVystup = nullptr;
    QWidget* TabSheetUlozenie = nullptr;
    QWidget* PanelTlacidla = nullptr;
    QPushButton* BitBtnSpat = nullptr;
    QPushButton* BitBtnDalej = nullptr;
    QPushButton* BitBtnKoniec = nullptr;

    RadioGroup* RadioGroupTypUdajov = nullptr;
    ZoznamPoloziek* ListViewStlpce = nullptr;
    ZoznamPoloziek* ListViewVybrate = nullptr;
    QPushButton* BitBtnPridat = nullptr;
    QPushButton* BitBtnOdobrat = nullptr;
    QToolButton* SpeedButtonHore = nullptr;
    QToolButton* SpeedButtonDole = nullptr;

    ZoznamPoloziek* ListViewStlpcePodmienky = nullptr;
    ZoznamPoloziek* ListViewOperacie = nullptr;
    QLineEdit* EditHodnota = nullptr;
    RadioGroup* RadioGroupSpojenie = nullptr;
    QPushButton* BitBtnPridatPodmienku = nullptr;
    QPlainTextEdit* MemoPodmienka = nullptr;

    DBGrid* DBGridVystup = nullptr;
    QLineEdit* EditNazovStlpca = nullptr;
    QComboBox* ComboBoxTriedenie = nullptr;
    QComboBox* ComboBoxSmer = nullptr;

    QLineEdit* EditNazovVyberu = nullptr;
    QLineEdit* EditPopisVyberu = nullptr;
    QPushButton* BitBtnUlozitVyber = nullptr;
    DBGrid* DBGridVybery = nullptr;
    QPushButton* BitBtnVytvorenieZostavy = nullptr;
    QPushButton* BitBtnVymazanieZostavy = nullptr;
};
