#include "SavedFileDestination.h"

#include "engine/model/PageModel.h"
#include "widgets/DialogService.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

SavedFileDestination::SavedFileDestination(FileDestination::Format format, const QString& fileName)
    : m_file(format, fileName)
    , m_fileName(fileName) {}

void SavedFileDestination::deliver(const PageModel& pages) {
    m_file.deliver(pages);
    DialogService::instance().information(u"Zostava „%1“ je uložená v súbore\n%2"_s.arg(
        pages.title(), QDir::toNativeSeparators(m_fileName)));
}
