#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class Dataset;
class QLineEdit;

/// Three generations of ancestors as a tree of read-only edit boxes: the parents in the first
/// column, the grandparents in the second, the great-grandparents in the third, each animal
/// level with the pair of its parents in the next column. An ancestor is named by a code whose
/// first letter is its sex (O father, M mother) and whose further letters lead down the line
/// towards the animal itself: OM is the mother's father.
class StromRodokmena : public QWidget {
    Q_OBJECT
public:
    /// The codes from top to bottom, column by column: O, M, OO, MO, OM, MM, OOO ... MMM.
    static const QStringList& kody();

    /// polia gives the field of each code in the order of kody(); each label is the code
    /// followed by priponaPopisu. The edit boxes are named "DBEdit" + code.
    StromRodokmena(Dataset* zdroj, const QStringList& polia, const QString& priponaPopisu,
                   QWidget* parent = nullptr);

Q_SIGNALS:
    /// The box of a father (a code beginning with O) holding an ear number was double-clicked.
    void otecZvoleny(const QString& usneCislo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QLineEdit*> m_otcovia;
};
