#include "VymenaDat.h"

#include "DialogPriebehuVymeny.h"

#include "data/Connection.h"
#include "data/SchemaInstaller.h"
#include "exchange/ChybaVymeny.h"
#include "exchange/ExportVymeny.h"
#include "exchange/ImportVymeny.h"
#include "widgets/SaveFileChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kFilter = u"Výmenný súbor ICAR ADE (*.json);;Všetky súbory (*)"_s;

FileDialogRequest otvorenie() {
    FileDialogRequest request;
    request.objectName = u"OpenDialogVymena"_s;
    request.title = u"Dáta zo ÚHEV"_s;
    request.directory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (request.directory.isEmpty() || !QFileInfo(request.directory).isDir())
        request.directory = QDir::homePath();
    request.filter = kFilter;
    request.mustExist = true;
    return request;
}

FileDialogRequest ulozenie() {
    FileDialogRequest request;
    request.objectName = u"SaveDialogVymena"_s;
    request.title = u"Dáta pre ÚHEV"_s;
    request.filter = kFilter;
    request.defaultSuffix = u"json"_s;
    return request;
}

} // namespace

VymenaDat::VymenaDat(std::function<ConnectionSettings()> pripojenie, std::function<QString()> vyber,
                     std::function<void()> poImporte, QWidget* okno)
    : QObject(okno)
    , OpenDialogVymena(otvorenie())
    , SaveDialogVymena(ulozenie())
    , m_pripojenie(std::move(pripojenie))
    , m_vyber(std::move(vyber))
    , m_poImporte(std::move(poImporte))
    , m_okno(okno) {}

void VymenaDat::MenuItemDataZoUHEVClick() {
    DialogService& dialogy = DialogService::instance();
    const QString subor = dialogy.openFileName(OpenDialogVymena);
    if (subor.isEmpty())
        return;
    try {
        std::optional<PrehladSuboru> prehlad;
        {
            DialogPriebehuVymeny priebeh(u"Dáta zo ÚHEV"_s, m_okno);
            prehlad = ImportVymeny::prehlad(subor, priebeh.priebeh());
        }
        if (!dialogy.confirm(u"Súbor %1 obsahuje:\n\n%2\n\nNaimportovať tieto dáta do "
                             u"databázy?"_s.arg(QDir::toNativeSeparators(subor), prehlad->text())))
            return;
        SuhrnImportu suhrn;
        {
            DialogPriebehuVymeny priebeh(u"Dáta zo ÚHEV"_s, m_okno);
            suhrn = ImportVymeny(m_pripojenie()).importuj(subor, priebeh.priebeh());
        }
        m_poImporte();
        dialogy.information(u"Dáta zo súboru %1 sú v databáze.\n\n%2"_s.arg(
            QDir::toNativeSeparators(subor), suhrn.text()));
    } catch (const ZrusenaVymena&) {
        dialogy.information(u"Import je zrušený; v databáze sa nič nezmenilo."_s);
    } catch (const OdmietnutySubor& odmietnuty) {
        dialogy.error(odmietnuty.message() + u"\n\nV databáze sa nič nezmenilo."_s);
    } catch (const ChybaVymeny& chyba) {
        dialogy.error(chyba.message());
    }
}

void VymenaDat::MenuItemDataPreUHEVClick() {
    DialogService& dialogy = DialogService::instance();
    const QString kod = m_vyber();
    if (kod.isEmpty()) {
        dialogy.error(u"Vyberte v strome podnik, chov alebo maštaľ, ktorého dáta sa majú "
                      u"zapísať."_s);
        return;
    }
    const QString subor = SaveFileChoice::choose(SaveDialogVymena, u"Dáta pre ÚHEV "_s + kod);
    if (subor.isEmpty())
        return;
    try {
        ExportVymeny::Vysledok vysledok;
        {
            Connection spojenie(m_pripojenie());
            SchemaInstaller(spojenie).requireUsable();
            DialogPriebehuVymeny priebeh(u"Dáta pre ÚHEV"_s, m_okno);
            vysledok = ExportVymeny(spojenie).exportuj(kod, subor, priebeh.priebeh());
        }
        const QLocale locale;
        dialogy.information(
            u"Do súboru %1 sa zapísalo %2 zvierat, %3 laktácií a %4 kontrol úžitkovosti."_s.arg(
                QDir::toNativeSeparators(subor), locale.toString(vysledok.zvierat),
                locale.toString(vysledok.laktacii), locale.toString(vysledok.kontrol)));
    } catch (const ZrusenaVymena&) {
        dialogy.information(u"Export je zrušený; súbor sa nezapísal."_s);
    } catch (const ChybaVymeny& chyba) {
        dialogy.error(chyba.message());
    }
}
