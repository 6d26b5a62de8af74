#include "ReportComponent.h"

QString ReportComponent::kindName(Kind kind) {
    switch (kind) {
    case Kind::Text:
        return QStringLiteral("text");
    case Kind::DataText:
        return QStringLiteral("dataText");
    case Kind::Total:
        return QStringLiteral("total");
    case Kind::Line:
        return QStringLiteral("line");
    case Kind::Box:
        return QStringLiteral("box");
    }
    return {};
}
