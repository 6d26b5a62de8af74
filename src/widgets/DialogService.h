#pragma once

#include <QFlags>
#include <QString>
#include <optional>

class QDialog;

/// A file dialog as the caller wants it; an empty result of the dialog means "cancelled".
struct FileDialogRequest {
    QString objectName{}; ///< the dialog's component name, recorded by scripted services
    QString title{};
    QString directory{};     ///< initial folder
    QString fileName{};      ///< initial file name (may be a pattern such as "*.sql")
    QString filter{};        ///< Qt filter text, e.g. "SQL skript (*.sql);;Všetky súbory (*)"
    QString defaultSuffix{}; ///< without the dot
    bool mustExist = false;  ///< open dialogs: the file and its folder must exist
    bool confirmOverwrite = true;
};

/// Every modal interaction of the program: message boxes, input boxes, file dialogs and
/// forms shown modally. The real implementation uses Qt dialogs; tests install a scripted one
/// that records what was asked and answers as the test says.
class DialogService {
public:
    enum class Icon { Information, Warning, Error, Question };
    enum Button { NoButton = 0, Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };
    Q_DECLARE_FLAGS(Buttons, Button)

    virtual ~DialogService() = default;

    /// Shows a message box and returns the button the user pressed.
    virtual Button message(Icon icon, const QString& text, Buttons buttons,
                           const QString& title = {}) = 0;
    /// A one-line text input; nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                             const QString& initial) = 0;
    virtual QString openFileName(const FileDialogRequest& request) = 0;
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    /// Shows a dialog modally and returns its result code (QDialog::Accepted or Rejected).
    virtual int showModal(QDialog& dialog) = 0;

    /// Shortcuts for the three kinds of message the program shows.
    void error(const QString& text) { message(Icon::Error, text, Ok); }
    void information(const QString& text) { message(Icon::Information, text, Ok); }
    bool confirm(const QString& text) {
        return message(Icon::Question, text, Buttons(Yes) | No) == Yes;
    }

    /// The service in use; a Qt-backed one unless a test installed another.
    static DialogService& instance();
    /// Installs a service (not owned); nullptr restores the Qt-backed one. Returns the service
    /// installed before (nullptr for the Qt-backed one) so that it can be put back.
    static DialogService* install(DialogService* service);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DialogService::Buttons)
