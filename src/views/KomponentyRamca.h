#pragma once

#include "widgets/GridColumn.h"

#include <QColor>
#include <QList>

class Dataset;
class DBGrid;
class QAction;
class QActionGroup;
class QComboBox;
class QToolBar;
class QWidget;
class StatusPanelBar;

/// The components the frames repeat, made and named the same way everywhere.
class KomponentyRamca {
public:
    /// A read-only grid over a dataset with the columns a frame designs for it.
    static DBGrid* mriezka(QWidget* rodic, const char* meno, Dataset* data,
                           QList<GridColumn> stlpce);
    /// A status bar with one text.
    static StatusPanelBar* stavovyRiadok(QWidget* rodic, const char* meno);
    static QToolBar* panelNastrojov(QWidget* rodic, const char* meno);
    /// A toggle button of a toolbar group with a picture and a hint; text is its caption.
    static QAction* prepinac(QToolBar* panel, QActionGroup* skupina, const char* meno,
                             const QString& popis, const QString& obrazok, const QColor& farba,
                             const QString& text = {});
    /// A combo box of lactation orders "1" to pocet with no item selected.
    static QComboBox* poradiaLaktacie(QWidget* rodic, int pocet);
};
