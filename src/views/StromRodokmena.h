#pragma once

#include <QStringList>
#include <QWidget>

class Dataset;

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
};
