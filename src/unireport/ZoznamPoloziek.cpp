#include "ZoznamPoloziek.h"

#include <QHeaderView>

ZoznamPoloziek::ZoznamPoloziek(const QStringList& titulky, QWidget* parent)
    : QTableWidget(0, int(titulky.size()), parent) {
    setHorizontalHeaderLabels(titulky);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int stlpec = 1; stlpec < columnCount(); ++stlpec)
        horizontalHeader()->setSectionResizeMode(stlpec, QHeaderView::ResizeToContents);
    // The selection is what the buttons beside the list act on; it must show without focus.
    QPalette farby = palette();
    for (const QPalette::ColorRole rola : {QPalette::Highlight, QPalette::HighlightedText})
        farby.setColor(QPalette::Inactive, rola, farby.color(QPalette::Active, rola));
    setPalette(farby);
}

void ZoznamPoloziek::pridaj(const QStringList& texty) {
    vloz(rowCount(), texty);
}

void ZoznamPoloziek::vloz(int riadok, const QStringList& texty) {
    riadok = std::clamp(riadok, 0, rowCount());
    insertRow(riadok);
    for (int stlpec = 0; stlpec < columnCount() && stlpec < texty.size(); ++stlpec)
        setItem(riadok, stlpec, new QTableWidgetItem(texty[stlpec]));
}

QStringList ZoznamPoloziek::texty(int riadok) const {
    QStringList vysledok;
    for (int stlpec = 0; stlpec < columnCount(); ++stlpec) {
        const QTableWidgetItem* polozka = item(riadok, stlpec);
        vysledok << (polozka ? polozka->text() : QString());
    }
    return vysledok;
}

QString ZoznamPoloziek::nazov(int riadok) const {
    const QTableWidgetItem* polozka = item(riadok, 0);
    return polozka ? polozka->text() : QString();
}

int ZoznamPoloziek::najdi(const QString& hladany) const {
    for (int riadok = 0; riadok < rowCount(); ++riadok)
        if (nazov(riadok).compare(hladany, Qt::CaseInsensitive) == 0)
            return riadok;
    return -1;
}

int ZoznamPoloziek::vybranyRiadok() const {
    const QList<QTableWidgetItem*> vybrane = selectedItems();
    return vybrane.isEmpty() ? -1 : vybrane.constFirst()->row();
}

void ZoznamPoloziek::vyberRiadok(int riadok) {
    if (riadok < 0 || riadok >= rowCount()) {
        clearSelection();
        return;
    }
    setCurrentCell(riadok, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ZoznamPoloziek::vycisti() {
    setRowCount(0);
}
