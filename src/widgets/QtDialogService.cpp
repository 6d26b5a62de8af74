#include "QtDialogService.h"

#include "data/SlovakLocale.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ButtonChoice {
    DialogService::Button button;
    QMessageBox::StandardButton standard;
    QString text;
};

// In the order the buttons stand in the box.
const std::array<ButtonChoice, 4>& buttonChoices() {
    static const std::array<ButtonChoice, 4> choices{{
        {DialogService::Yes, QMessageBox::Yes, u"Áno"_s},
        {DialogService::No, QMessageBox::No, u"Nie"_s},
        {DialogService::Ok, QMessageBox::Ok, u"OK"_s},
        {DialogService::Cancel, QMessageBox::Cancel, u"Zrušiť"_s},
    }};
    return choices;
}

QMessageBox::Icon messageBoxIcon(DialogService::Icon icon) {
    switch (icon) {
    case DialogService::Icon::Information:
        return QMessageBox::Information;
    case DialogService::Icon::Warning:
        return QMessageBox::Warning;
    case DialogService::Icon::Error:
        return QMessageBox::Critical;
    case DialogService::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// A pattern such as "*.sql" in the name field means "show these files", so it becomes the first
// filter instead of a file name.
bool isPattern(const QString& fileName) {
    return fileName.contains(u'*') || fileName.contains(u'?');
}

/// The file dialog's list with sizes and dates written as the program writes them: the dialog
/// takes them from the desktop's language, which may be none ("0 bytes", "10 Dec 2025").
class ProgramLocaleColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    static constexpr int sizeColumn = 1;
    static constexpr int modifiedColumn = 3;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        // A folder has no size of its own; the dialog leaves the field empty.
        if (index.column() == sizeColumn && !files->isDir(file))
            return sizeText(files->size(file));
        if (index.column() == modifiedColumn)
            return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }

private:
    static QString sizeText(qint64 bytes) {
        if (bytes >= 1000)
            return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
        return SlovakLocale::count(int(bytes), u"bajt"_s, u"bajty"_s, u"bajtov"_s);
    }
};

/// The date column as wide as the longest date and time it shows: the dialog sizes it for the
/// short dates of no language and cuts the program's in the middle.
void widenDateColumn(QFileDialog& dialog) {
    auto* view = dialog.findChild<QTreeView*>(u"treeView"_s);
    if (!view)
        return;
    const QString longest =
        QLocale().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59)), QLocale::ShortFormat);
    const int width = view->fontMetrics().horizontalAdvance(longest + u"MM"_s);
    QHeaderView* header = view->header();
    header->resizeSection(
        ProgramLocaleColumns::modifiedColumn,
        std::max(width, header->sectionSize(ProgramLocaleColumns::modifiedColumn)));
}

QString askFileName(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.directory);
    dialog.setProxyModel(new ProgramLocaleColumns(&dialog));
    widenDateColumn(dialog);
    dialog.setObjectName(request.objectName);
    dialog.setAcceptMode(mode);
    const bool opening = mode == QFileDialog::AcceptOpen;
    dialog.setFileMode(opening && request.mustExist ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);

    QStringList filters = request.filter.split(u";;"_s, Qt::SkipEmptyParts);
    if (isPattern(request.fileName))
        filters.prepend(request.fileName);
    else if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);

    dialog.setLabelText(QFileDialog::LookIn, u"Hľadať v:"_s);
    dialog.setLabelText(QFileDialog::FileName, u"Názov súboru:"_s);
    dialog.setLabelText(QFileDialog::FileType, u"Typ súborov:"_s);
    dialog.setLabelText(QFileDialog::Accept, opening ? u"Otvoriť"_s : u"Uložiť"_s);
    dialog.setLabelText(QFileDialog::Reject, u"Zrušiť"_s);

    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

DialogService::Button QtDialogService::message(Icon icon, const QString& text, Buttons buttons,
                                               const QString& title) {
    QMessageBox box(messageBoxIcon(icon),
                    title.isEmpty() ? QGuiApplication::applicationDisplayName() : title, text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == NoButton)
        buttons = Ok;
    for (const ButtonChoice& choice : buttonChoices()) {
        if (buttons.testFlag(choice.button))
            box.addButton(choice.standard)->setText(choice.text);
    }
    box.exec();
    // Escape and the close box "press" the box's escape button (Cancel, else No, else the
    // only button), so some button is always the answer.
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const ButtonChoice& choice : buttonChoices()) {
        if (choice.standard == pressed)
            return choice.button;
    }
    return NoButton;
}

std::optional<QString> QtDialogService::inputText(const QString& caption, const QString& prompt,
                                                  const QString& initial) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(u"OK"_s);
    dialog.setCancelButtonText(u"Zrušiť"_s);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString QtDialogService::openFileName(const FileDialogRequest& request) {
    return askFileName(request, QFileDialog::AcceptOpen);
}

QString QtDialogService::saveFileName(const FileDialogRequest& request) {
    return askFileName(request, QFileDialog::AcceptSave);
}

int QtDialogService::showModal(QDialog& dialog) {
    return dialog.exec();
}
