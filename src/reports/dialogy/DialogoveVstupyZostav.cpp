#include "DialogoveVstupyZostav.h"

#include "widgets/DialogService.h"

using namespace Qt::Literals::StringLiterals;

std::optional<QString> DialogoveVstupyZostav::pocetDcer() {
    return DialogService::instance().inputText(u"Počet dcér"_s, u"Počet dcér pre prehľad: "_s,
                                               u"1"_s);
}
