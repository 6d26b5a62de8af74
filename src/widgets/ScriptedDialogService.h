#pragma once

#include "DialogService.h"

#include <QList>
#include <deque>
#include <functional>
#include <variant>

/// The dialog service of tests. While it lives it is the service in use; it records every
/// interaction and answers from a queue the test fills beforehand, in the order the
/// interactions come. Message boxes with a single button need no answer. An interaction the
/// queue does not answer (nothing scripted, an answer of another kind, a button the box does not
/// offer) ends the test run with a message naming the interaction.
class ScriptedDialogService : public DialogService {
public:
    enum class Kind { Message, Input, OpenFile, SaveFile, Modal };

    struct Interaction {
        Kind kind = Kind::Message;
        Icon icon = Icon::Information; ///< message boxes only
        Buttons buttons;               ///< message boxes only
        QString text;                  ///< message text, input prompt or the dialog's file name
        QString title;                 ///< caption of the box or dialog
        QString objectName;            ///< object name of a file dialog or modal dialog
        QString initial;               ///< input boxes: the text they open with
    };

    /// Runs on a dialog shown modally while it is on screen, e.g. to fill its inputs or press
    /// its buttons.
    using DialogAction = std::function<void(QDialog&)>;

    ScriptedDialogService();
    ~ScriptedDialogService() override;
    ScriptedDialogService(const ScriptedDialogService&) = delete;
    ScriptedDialogService& operator=(const ScriptedDialogService&) = delete;

    void answerButton(Button button);
    /// nullopt answers as if the input box were cancelled.
    void answerInput(std::optional<QString> text);
    /// Answers the next open or save dialog; an empty name answers as if it were cancelled.
    void answerFile(const QString& fileName);
    /// Answers the next modal dialog with a result code, after running the action on it.
    void answerModal(int result, DialogAction action = {});
    /// Answers the next modal dialog with whatever result the action leaves it with (pressing
    /// its OK button lets the dialog's own checks decide; a dialog not closed is cancelled).
    void answerModalWith(DialogAction action);

    const QList<Interaction>& interactions() const { return m_interactions; }
    /// Scripted answers no interaction has taken yet.
    qsizetype unusedAnswers() const { return qsizetype(m_answers.size()); }

    Button message(Icon icon, const QString& text, Buttons buttons,
                   const QString& title = {}) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& initial) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    int showModal(QDialog& dialog) override;

private:
    struct InputAnswer {
        std::optional<QString> text;
    };
    struct FileAnswer {
        QString fileName;
    };
    struct ModalAnswer {
        std::optional<int> result;
        DialogAction action;
    };
    using Answer = std::variant<Button, InputAnswer, FileAnswer, ModalAnswer>;

    template <typename T> T take(const Interaction& interaction);
    QString fileName(Kind kind, const FileDialogRequest& request);
    [[noreturn]] static void fail(const QString& problem, const Interaction& interaction);

    QList<Interaction> m_interactions;
    std::deque<Answer> m_answers;
    DialogService* m_previous;
};
