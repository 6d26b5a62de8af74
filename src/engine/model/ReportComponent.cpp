#include "ReportComponent.h"

using namespace Qt::Literals::StringLiterals;

QString ReportComponent::kindName(Kind kind) {
    switch (kind) {
    case Kind::Text:
        return u"text"_s;
    case Kind::DataText:
        return u"dataText"_s;
    case Kind::Total:
        return u"total"_s;
    case Kind::Line:
        return u"line"_s;
    case Kind::Box:
        return u"box"_s;
    case Kind::Chart:
        return u"chart"_s;
    }
    return {};
}
