#include "ChartComponent.h"

using namespace Qt::Literals::StringLiterals;

QString ChartComponent::styleName(Series::Style style) {
    return style == Series::Style::Bar ? u"bar"_s : u"line"_s;
}

bool ChartComponent::parseStyle(const QString& text, Series::Style& style) {
    if (text == QLatin1String("bar"))
        style = Series::Style::Bar;
    else if (text == QLatin1String("line"))
        style = Series::Style::Line;
    else
        return false;
    return true;
}
