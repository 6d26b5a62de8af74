#pragma once

#include <QIcon>
#include <QObject>
#include <array>

class Connection;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

/// The herd tree beside the frames: one enterprise with its herds, barns and animals, with the
/// ear-number search under it. The herds and barns, with the number of animals in each barn, are
/// read when the main window is shown; a barn's animals when the barn is first opened, or when
/// the search or a selection elsewhere looks for one of them. It is a navigator: it reports by
/// signals what was selected and how its build goes, and the window decides what to show for it.
class StromChovov : public QObject {
    Q_OBJECT
public:
    /// Image indexes of the tree's icons; the node kind is known from them alone.
    enum Obrazok { Osoba = 0, Farma = 1, Krava = 2, Byk = 3, Mastal = 4 };

    StromChovov(QTreeWidget* strom, QLineEdit* hladaj, QPushButton* hladajTlacidlo,
                Connection* spojenie, QObject* parent);

    void NaplnStrom(const QString& kod);
    void EditHladajExit();
    void BitBtnHladajClick();
    void MenuItemZmenitOkresClick();
    /// Selects the node with this text, as a click on it would; false when there is none.
    bool vyberUzol(const QString& text);
    /// The node with this text, as NajdiUzol finds it once every barn holds its animals: an
    /// animal of a barn not opened yet is looked up in the database and its barn filled.
    QTreeWidgetItem* najdiUzol(const QString& text);
    /// The animals under an enterprise, herd or barn code, as the build counted them.
    int pocetZvierat(const QString& kod) const;
    /// The right side has moved away from the highlighted node (to a sire of a cow's pedigree,
    /// a culled cow, the information page): a click on that node shows it again.
    void vyberOpusteny() { m_vyberOpusteny = true; }

    /// The first node in display order whose text is this one, among the nodes the tree holds.
    static QTreeWidgetItem* NajdiUzol(QTreeWidget* strom, const QString& text);
    /// The code of an enterprise, herd or barn node: the text after its first blank.
    static QString kodUzla(const QTreeWidgetItem* uzol);
    static int obrazokUzla(const QTreeWidgetItem* uzol);
    /// The search box's completion of a short ear number: "SK", zeros, then the text.
    static QString doplnUsneCislo(const QString& text);

Q_SIGNALS:
    void budovanieZacate(const QString& kod);
    /// Herds read so far out of all herds of the enterprise.
    void priebehBudovania(int hotovo, int celkom);
    void budovanieSkoncene(int pocetZvierat);
    /// An enterprise, herd or barn node was selected.
    void vybranyKod(const QString& kod);
    /// A cow was selected, in the tree or, for one the tree does not hold, by the search.
    void vybranaKrava(const QString& usneCislo);
    /// A male animal was selected, in the tree or, for a sire, by the search.
    void vybranyByk(const QString& usneCislo);
    /// The search looked for this ear number, found or not.
    void hladaneUsneCislo(const QString& usneCislo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TreeViewZvierataChange(QTreeWidgetItem* uzol, QTreeWidgetItem* predosly);
    /// A click or Enter on a node; only the highlighted node left by the right side needs it,
    /// as any other node comes through the change of the selection.
    void TreeViewZvierataClick(QTreeWidgetItem* uzol);
    /// Reports what the node stands for.
    void ukazUzol(QTreeWidgetItem* uzol);
    QTreeWidgetItem* pridajUzol(QTreeWidgetItem* rodic, const QString& text, Obrazok obrazok);
    /// Fills a barn with its animals the first time it is opened.
    void naplnMastal(QTreeWidgetItem* uzol);
    QList<QTreeWidgetItem*> uzlyMastali() const;
    QTreeWidgetItem* novyUzol(const QString& text, Obrazok obrazok) const;
    static void rozbalJedenUzol(QTreeWidgetItem* vybrany, QTreeWidgetItem* predosly);

    QTreeWidget* m_strom;
    QLineEdit* m_hladaj;
    Connection* m_spojenie;
    bool m_vyberOpusteny = false;
    /// Painted once and shared by every node: painting them node by node cost more than the
    /// whole rest of a large enterprise's build.
    std::array<QIcon, 5> m_obrazky;
    /// The node being selected while its branch opens.
    QTreeWidgetItem* m_vyberany = nullptr;
};
