#pragma once

#include "widgets/GridColumn.h"

#include <QColor>
#include <QFrame>
#include <QList>

class Dataset;
class DBGrid;
class PageControl;
class QAction;
class QActionGroup;
class QComboBox;
class QToolBar;
class StatusPanelBar;
class TDataModuleHlavny;

/// What every frame beside the tree is made of: the window's design font, a page control that
/// fills the frame and whose page in front shows what the tree selected, and the components the
/// frames repeat, made and named the same way everywhere. A frame owns no data: it parameterises
/// and re-opens queries of the main data module.
class KomponentyRamca : public QFrame {
    Q_OBJECT
public:
    /// The index of the page in front among the visible pages, -1 when there is none.
    int viditelnaZalozka() const;
    void zobrazPrvuZalozku();
    /// Shows the enterprise, herd or barn code, or the ear number, selected in the tree: the
    /// page in front loads it. Bringing the frame on screen again loads nothing by itself.
    virtual void ukazVyber(const QString& vyber) = 0;

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
    /// The display pattern a dataset declares for a field, empty when it declares none.
    static QString vzorPola(const Dataset* data, const QString& pole);

protected:
    KomponentyRamca(TDataModuleHlavny& data, const QString& menoZaloziek, QWidget* parent);

    PageControl* zalozky() const { return m_zalozky; }
    /// The page in front when it is one of the visible pages, else null.
    QWidget* stranaVpredu() const;

    TDataModuleHlavny& m_data;

private:
    PageControl* m_zalozky;
};
