#include "ZositZostavy.h"

#include "data/Dataset.h"
#include "views/spreadsheet/SpreadsheetSheetName.h"
#include "views/spreadsheet/XlsxFile.h"

void ZositZostavy::zapis(const Dataset& vysledok, const QString& harok, const QString& subor) {
    const QList<FieldDef>& polia = vysledok.fields();
    XlsxFile::write(subor, SpreadsheetSheetName::fitted(harok), vysledok.recordCount() + 1,
                    int(polia.size()), [&](int riadok, int stlpec) {
                        const FieldDef& pole = polia[stlpec - 1];
                        if (riadok == 1)
                            return SpreadsheetValue::text(pole.heading());
                        return SpreadsheetValue::ofField(vysledok.value(riadok - 2, stlpec - 1),
                                                         pole);
                    });
}
