#include "PageModel.h"

#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace {
QString number(double value) {
    return QString::number(value, 'f', 2);
}

QString alignmentName(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight)
        return u"right"_s;
    if (alignment & Qt::AlignHCenter)
        return u"center"_s;
    return u"left"_s;
}
QString colorText(const QColor& color) {
    return color.isValid() ? QLatin1Char(' ') + color.name() : QString();
}

void dumpPrimitive(QTextStream& out, const PagePrimitive& p, const QString& indent) {
    out << indent;
    switch (p.kind) {
    case PagePrimitive::Kind::Text: {
        const QString style = p.font.styleText();
        out << "text " << p.component << ' ' << number(p.rect.x()) << ' ' << number(p.rect.y())
            << ' ' << number(p.rect.width()) << ' ' << number(p.rect.height()) << ' '
            << alignmentName(p.alignment) << ' ' << p.font.size
            << (style.isEmpty() ? QString() : QLatin1Char(' ') + style) << " \"" << p.text
            << "\"\n";
        break;
    }
    case PagePrimitive::Kind::Line:
        out << "line " << p.component << ' ' << number(p.rect.left()) << ' ' << number(p.rect.top())
            << ' ' << number(p.rect.right()) << ' ' << number(p.rect.bottom()) << ' '
            << number(p.penWidth) << colorText(p.color) << '\n';
        break;
    case PagePrimitive::Kind::Box:
        out << "box " << p.component << ' ' << number(p.rect.x()) << ' ' << number(p.rect.y())
            << ' ' << number(p.rect.width()) << ' ' << number(p.rect.height()) << ' '
            << number(p.penWidth) << colorText(p.fill) << '\n';
        break;
    case PagePrimitive::Kind::Polyline:
        out << "polyline " << p.component << ' ' << number(p.penWidth) << colorText(p.color);
        for (const QPointF& point : p.points)
            out << ' ' << number(point.x()) << ',' << number(point.y());
        out << '\n';
        break;
    case PagePrimitive::Kind::Chart:
        out << "chart " << p.component << ' ' << number(p.rect.x()) << ' ' << number(p.rect.y())
            << ' ' << number(p.rect.width()) << ' ' << number(p.rect.height()) << '\n';
        for (const PagePrimitive& part : p.parts)
            dumpPrimitive(out, part, indent + u"  "_s);
        break;
    }
}
} // namespace

QString PageModel::dump() const {
    QString result;
    QTextStream out(&result);
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        const ReportPage& page = m_pages[i];
        out << "page " << i + 1 << ' ' << number(page.size.width()) << 'x'
            << number(page.size.height()) << '\n';
        for (const PagePrimitive& p : page.primitives)
            dumpPrimitive(out, p, u"  "_s);
    }
    return result;
}
