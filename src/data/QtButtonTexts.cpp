#include "QtButtonTexts.h"

QtButtonTexts::QtButtonTexts(const QTranslator* qtbase, QObject* parent)
    : QTranslator(parent)
    , m_qtbase(qtbase) {}

QString QtButtonTexts::translate(const char* context, const char* sourceText,
                                 const char* disambiguation, int n) const {
    if (qstrcmp(context, "QPlatformTheme") != 0)
        return {};
    return m_qtbase->translate("QDialogButtonBox", sourceText, disambiguation, n);
}
