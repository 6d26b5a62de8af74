#include "ExportujDoExcelu.h"

#include "SpreadsheetApplication.h"
#include "data/Dataset.h"
#include "data/DisplayFormat.h"
#include "widgets/DialogService.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int zosit = 1;
constexpr int harok = 1;

void ukazChybu(const QString& text) {
    DialogService::instance().error(u"Chyba: "_s + text);
}

/// The locale's long time format without the time zone, which the value does not carry.
QString dlhyFormatCasu() {
    static const QRegularExpression zona(u"\\s*t+"_s);
    return QLocale().timeFormat(QLocale::LongFormat).remove(zona).trimmed();
}

/// The value as a user would edit it: as displayed, but a date-time shows its time to the
/// second, and only when it has one.
QString textNaUpravu(const QVariant& hodnota, const FieldDef& pole) {
    if (pole.kind != FieldKind::DateTime || hodnota.isNull())
        return DisplayFormat::text(hodnota, pole);
    const QDateTime okamih = hodnota.toDateTime();
    const QLocale locale;
    QString text = locale.toString(okamih.date(), QLocale::ShortFormat);
    if (okamih.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(okamih.time(), dlhyFormatCasu());
    return text;
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
            excel->setCell(zosit, harok, 1, i + 1, polia[i].heading());

        dataset.first();
        for (int riadok = 2; !dataset.eof(); ++riadok) {
            for (int i = 0; i < polia.size(); ++i)
                excel->setCell(zosit, harok, riadok, i + 1,
                               textNaUpravu(dataset.value(dataset.currentRow(), i), polia[i]));
            dataset.next();
        }
        excel->release();
    } catch (const std::exception& chyba) {
        ukazChybu(QString::fromUtf8(chyba.what()));
    }
}
