#include "ReportFileDialog.h"

#include "widgets/SaveFileChoice.h"

using namespace Qt::Literals::StringLiterals;

QString ReportFileDialog::choose(const QString& title, const QString& filter,
                                 const QString& suffix) {
    FileDialogRequest request;
    request.objectName = u"ReportFileDialog"_s;
    request.title = u"Uložiť zostavu do súboru"_s;
    request.filter = filter;
    request.defaultSuffix = suffix;
    return SaveFileChoice::choose(request, title);
}
