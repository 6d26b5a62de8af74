#pragma once

#include "DialogService.h"

/// The dialog service of the running program: Qt's own dialogs with Slovak button texts, each
/// one modal to the active window.
class QtDialogService : public DialogService {
public:
    Button message(Icon icon, const QString& text, Buttons buttons,
                   const QString& title = {}) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& initial) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    int showModal(QDialog& dialog) override;
};
