#include "ScriptedDialogService.h"

#include <QDialog>
#include <QtGlobal>

#include <bit>

using namespace Qt::Literals::StringLiterals;

namespace {

QString kindName(ScriptedDialogService::Kind kind) {
    switch (kind) {
    case ScriptedDialogService::Kind::Message:
        return u"message box"_s;
    case ScriptedDialogService::Kind::Input:
        return u"input box"_s;
    case ScriptedDialogService::Kind::OpenFile:
        return u"open dialog"_s;
    case ScriptedDialogService::Kind::SaveFile:
        return u"save dialog"_s;
    case ScriptedDialogService::Kind::Modal:
        return u"modal dialog"_s;
    }
    return {};
}

} // namespace

ScriptedDialogService::ScriptedDialogService()
    : m_previous(DialogService::install(this)) {}

ScriptedDialogService::~ScriptedDialogService() {
    DialogService::install(m_previous);
}

void ScriptedDialogService::answerButton(Button button) {
    m_answers.emplace_back(button);
}

void ScriptedDialogService::answerInput(std::optional<QString> text) {
    m_answers.emplace_back(InputAnswer{std::move(text)});
}

void ScriptedDialogService::answerFile(const QString& fileName) {
    m_answers.emplace_back(FileAnswer{fileName});
}

void ScriptedDialogService::answerModal(int result, DialogAction action) {
    m_answers.emplace_back(ModalAnswer{result, std::move(action)});
}

void ScriptedDialogService::answerModalWith(DialogAction action) {
    m_answers.emplace_back(ModalAnswer{std::nullopt, std::move(action)});
}

DialogService::Button ScriptedDialogService::message(Icon icon, const QString& text,
                                                     Buttons buttons, const QString& title) {
    const Interaction& interaction =
        m_interactions.emplace_back(Interaction{Kind::Message, icon, buttons, text, title, {}, {}});
    const auto offered = unsigned(buttons.toInt());
    if (std::popcount(offered) <= 1)
        return offered == NoButton ? Ok : Button(offered);
    const Button answer = take<Button>(interaction);
    if (!buttons.testFlag(answer))
        fail(u"the scripted button is not offered by"_s, interaction);
    return answer;
}

std::optional<QString> ScriptedDialogService::inputText(const QString& caption,
                                                        const QString& prompt,
                                                        const QString& initial) {
    const Interaction& interaction =
        m_interactions.emplace_back(Interaction{Kind::Input, {}, {}, prompt, caption, {}, initial});
    return take<InputAnswer>(interaction).text;
}

QString ScriptedDialogService::openFileName(const FileDialogRequest& request) {
    return fileName(Kind::OpenFile, request);
}

QString ScriptedDialogService::saveFileName(const FileDialogRequest& request) {
    return fileName(Kind::SaveFile, request);
}

int ScriptedDialogService::showModal(QDialog& dialog) {
    const Interaction& interaction = m_interactions.emplace_back(
        Interaction{Kind::Modal, {}, {}, {}, dialog.windowTitle(), dialog.objectName(), {}});
    ModalAnswer answer = take<ModalAnswer>(interaction);
    // Shown as exec() would, so that the dialog's own show handling runs.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (answer.action)
        answer.action(dialog);
    dialog.hide();
    return answer.result.value_or(dialog.result());
}

QString ScriptedDialogService::fileName(Kind kind, const FileDialogRequest& request) {
    const Interaction& interaction = m_interactions.emplace_back(
        Interaction{kind, {}, {}, request.fileName, request.title, request.objectName, {}});
    return take<FileAnswer>(interaction).fileName;
}

template <typename T> T ScriptedDialogService::take(const Interaction& interaction) {
    if (m_answers.empty())
        fail(u"no scripted answer for"_s, interaction);
    if (!std::holds_alternative<T>(m_answers.front()))
        fail(u"the next scripted answer is of another kind than"_s, interaction);
    T answer = std::get<T>(std::move(m_answers.front()));
    m_answers.pop_front();
    return answer;
}

void ScriptedDialogService::fail(const QString& problem, const Interaction& interaction) {
    const QString what = interaction.text.isEmpty() ? interaction.objectName : interaction.text;
    qFatal("ScriptedDialogService: %s the %s \"%s\"", qUtf8Printable(problem),
           qUtf8Printable(kindName(interaction.kind)), qUtf8Printable(what));
}
