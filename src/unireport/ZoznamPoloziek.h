#pragma once

#include <QStringList>
#include <QTableWidget>

/// A read-only list in report view: one row per item, its caption in the first column and
/// further texts in the others, whole rows selected, grid lines, and the selected row still
/// marked while the list has no focus. The lists of the universal report builder are made of
/// it.
class ZoznamPoloziek : public QTableWidget {
    Q_OBJECT
public:
    ZoznamPoloziek(const QStringList& titulky, QWidget* parent = nullptr);

    void pridaj(const QStringList& texty);
    /// Inserts a row at this position; a position past the end appends it.
    void vloz(int riadok, const QStringList& texty);
    QStringList texty(int riadok) const;
    /// The caption of the row.
    QString nazov(int riadok) const;
    /// The row whose caption equals the name regardless of case, -1 when none does.
    int najdi(const QString& nazov) const;

    /// The selected row, -1 when none is.
    int vybranyRiadok() const;
    void vyberRiadok(int riadok);
    void vycisti();
};
