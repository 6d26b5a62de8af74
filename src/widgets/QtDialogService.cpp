#include "QtDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

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

/// The file dialog's list with the dates written as the program writes them: the dialog takes
/// them from the desktop's language, which may be none ("10 Dec 2025").
class ProgramDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files && role == Qt::DisplayRole && index.column() == modifiedColumn)
            return QLocale().toString(files->lastModified(mapToSource(index)),
                                      QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }

private:
    static constexpr int modifiedColumn = 3;
};

QString askFileName(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.directory);
    dialog.setProxyModel(new ProgramDates(&dialog));
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
