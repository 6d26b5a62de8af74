#pragma once

#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;
class TFormHlavny;
struct ProgramInstances;

/// The herd tree beside the frames: one enterprise with its herds, barns and animals, read
/// when the main window is shown. Selecting a node decides what the right side shows, and the
/// ear-number search under the tree finds and selects an animal.
class StromChovov : public QObject {
    Q_OBJECT
public:
    /// Image indexes of the tree's icons; the node kind is known from them alone.
    enum Obrazok { Osoba = 0, Farma = 1, Krava = 2, Byk = 3, Mastal = 4 };

    StromChovov(TFormHlavny& okno, ProgramInstances& instancie);

    void NaplnStrom(const QString& kod);
    void TreeViewZvierataChange(QTreeWidgetItem* uzol);
    void EditHladajExit();
    void BitBtnHladajClick();
    void MenuItemZmenitOkresClick();

    static QTreeWidgetItem* NajdiUzol(QTreeWidget* strom, const QString& text);
    static void rozbalJedenUzol(QTreeWidgetItem* vybrany, QTreeWidgetItem* predosly);
    /// The code of an enterprise, herd or barn node: the text after its first blank.
    static QString kodUzla(const QTreeWidgetItem* uzol);
    static int obrazokUzla(const QTreeWidgetItem* uzol);
    /// The search box's completion of a short ear number: "SK", zeros, then the text.
    static QString doplnUsneCislo(const QString& text);

    int pocetZvierat() const { return m_pocetZvierat; }

private:
    static QTreeWidgetItem* novyUzol(const QString& text, Obrazok obrazok);
    QTreeWidgetItem* pridajUzol(QTreeWidgetItem* rodic, const QString& text, Obrazok obrazok);
    void vyberChovu(QTreeWidgetItem* uzol);
    void vyberKravy(QTreeWidgetItem* uzol);
    void vyberByka(QTreeWidgetItem* uzol);
    void naplnChov(QTreeWidgetItem* koren, const QString& kod, const QString& chov);

    TFormHlavny& m_okno;
    ProgramInstances& m_instancie;
    int m_pocetZvierat = 0;
};
