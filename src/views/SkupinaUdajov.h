#pragma once

#include <QGroupBox>
#include <QList>

class Dataset;
class DBEdit;
class QGridLayout;

/// A group box of a record card: each value stands under its label, the values flow from left
/// to right and wrap after a number of them; two boxes under one label stand side by side. The
/// edit boxes show fields of one dataset's current row.
class SkupinaUdajov : public QGroupBox {
    Q_OBJECT
public:
    /// Edit boxes get the name "DBEdit" + the field name in camel case + priponaMien.
    SkupinaUdajov(const QString& popis, Dataset* zdroj, int poloziekVRiadku, QWidget* parent,
                  const QString& priponaMien = {});

    /// A label over edit boxes of these fields; meno replaces the generated name of the first.
    QList<DBEdit*> pridajPolia(const QString& popis, const QStringList& polia,
                               const QString& meno = {});
    /// A label over controls of the caller's own.
    void pridaj(const QString& popis, const QList<QWidget*>& ovladace);

    /// "DBEdit" + the field name in camel case (mlieko_max gives DBEditMliekoMax, LINE_NAME
    /// DBEditLineName).
    static QString menoEditu(const QString& pole);

private:
    int sirkaPola(const QString& pole) const;

    Dataset* m_zdroj;
    QString m_priponaMien;
    int m_poloziekVRiadku;
    int m_poloziek = 0;
    QGridLayout* m_rozlozenie;
};
