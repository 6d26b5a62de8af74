#pragma once

#include <QString>
#include <QStringList>
#include <functional>

/// Text with placeholders in braces ("Strana {Page} z {Pages}"); "{{" and "}}" stand for
/// literal braces and an unclosed brace is literal text.
class TextTemplate {
public:
    /// The placeholder names in order of appearance.
    static QStringList placeholders(const QString& text);
    /// The text with each placeholder replaced by what lookup returns for its name.
    static QString expand(const QString& text,
                          const std::function<QString(const QString&)>& lookup);
};
