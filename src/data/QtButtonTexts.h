#pragma once

#include <QTranslator>

/// Qt 6 asks for the texts of its standard buttons (OK, Cancel, Yes, No...) in the context
/// QPlatformTheme; a catalogue made for Qt 5, as Debian 12's Slovak one is, keeps them under
/// QDialogButtonBox, where Qt 5 looked. This translator answers the new context from the old.
class QtButtonTexts : public QTranslator {
public:
    /// qtbase is Qt's own catalogue, which must outlive this translator.
    QtButtonTexts(const QTranslator* qtbase, QObject* parent);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    const QTranslator* m_qtbase;
};
