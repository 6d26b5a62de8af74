#include "ExportujDoExcelu.h"

#include "SpreadsheetApplication.h"
#include "data/Dataset.h"
#include "data/DisplayFormat.h"
#include "widgets/DialogService.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int zosit = 1;
constexpr int harok = 1;

void ukazChybu(const QString& text) {
    DialogService::instance().error(u"Chyba: "_s + text);
}

} // namespace

void ExportujDoExcelu(Dataset& dataset, const QString& sheetName) {
    if (!dataset.isOpen()) {
        ukazChybu(u"Údaje na export nie sú načítané."_s);
        return;
    }
    try {
        const std::unique_ptr<SpreadsheetApplication> excel = SpreadsheetApplication::create();
        if (!excel) {
            DialogService::instance().error(u"Prepojenie na aplikáciu MS Excel nie je dostupné"_s);
            return;
        }
        excel->setVisible(true);
        excel->addWorkbook(SpreadsheetApplication::xlWBATWorksheet);
        excel->setWorksheetName(zosit, harok, sheetName);

        const QList<FieldDef>& polia = dataset.fields();
        for (int i = 0; i < polia.size(); ++i)
            excel->setCell(zosit, harok, 1, i + 1, SpreadsheetValue::text(polia[i].heading()));

        dataset.first();
        for (int riadok = 2; !dataset.eof(); ++riadok) {
            for (int i = 0; i < polia.size(); ++i)
                excel->setCell(
                    zosit, harok, riadok, i + 1,
                    SpreadsheetValue::ofField(dataset.value(dataset.currentRow(), i), polia[i]));
            dataset.next();
        }
        excel->release();
    } catch (const std::exception& chyba) {
        ukazChybu(QString::fromUtf8(chyba.what()));
    }
}
