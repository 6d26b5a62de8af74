#include "ErrorHandler.h"

#include "DialogService.h"
#include "data/CancelledByUser.h"
#include "data/DatabaseError.h"

#include <QtGlobal>

#include <exception>

using namespace Qt::Literals::StringLiterals;

namespace {

QString currentExceptionText() {
    try {
        throw;
    } catch (const DatabaseError& error) {
        return error.message();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return u"Neznáma chyba."_s;
    }
}

} // namespace

void ErrorHandler::showCurrentException() noexcept {
    try {
        throw;
    } catch (const CancelledByUser&) {
        // The user stopped the work and needs no word about it.
        return;
    } catch (...) {
    }
    const QString text = currentExceptionText();
    try {
        DialogService::instance().error(text);
    } catch (...) {
        // Nothing is left to show it with; the text must not be lost silently.
        qCritical("%s", qUtf8Printable(text));
    }
}
