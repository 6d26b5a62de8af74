#include "UlozenaZostava.h"

#include "data/Dataset.h"
#include "data/DisplayFormat.h"

using namespace Qt::Literals::StringLiterals;

UlozenaZostava UlozenaZostava::zRiadku(const Dataset& data) {
    UlozenaZostava zostava;
    if (data.currentRow() < 0)
        return zostava;
    const auto text = [&](const QString& pole) {
        const int stlpec = data.requireField(pole);
        return DisplayFormat::editText(data.value(data.currentRow(), stlpec),
                                       data.fields()[stlpec]);
    };
    if (const int id = data.fieldIndex(u"zostava_id"_s); id >= 0)
        zostava.id = data.value(data.currentRow(), id).toInt();
    zostava.Nazov = text(u"nazov"_s);
    zostava.Popis = text(u"popis"_s);
    zostava.Modifikovana = text(u"modifikovana"_s);
    zostava.SqlVyraz = data.text(u"sqlvyraz"_s);
    return zostava;
}
