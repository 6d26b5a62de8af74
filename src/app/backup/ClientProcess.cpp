#include "ClientProcess.h"

#include "data/CheckedSave.h"
#include "data/DatabaseError.h"
#include "data/ServerErrorText.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTimer>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace {

// After the request to stop, the client gets this long to end on its own before it is killed.
constexpr int stopGraceMs = 5000;

QString progressText(const QString& activity, qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    return u"%1\n\nUplynulo: %2:%3"_s.arg(activity)
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

/// The server's error number in what a client program wrote ("ERROR 1064 (42000) at line 3",
/// "Got error: 1045: ...", "... (1356)"); 0 when it names none.
int serverErrorCode(const QString& output) {
    static const QRegularExpression number(u"(?:ERROR |error: )(\\d{4})\\b|\\((\\d{4})\\)\\s*$"_s,
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = number.match(output);
    return match.hasMatch() ? (match.captured(1) + match.captured(2)).toInt() : 0;
}

} // namespace

ClientProcess::ClientProcess(QString program, QStringList arguments)
    : m_program(std::move(program))
    , m_arguments(std::move(arguments)) {}

void ClientProcess::setInputFile(const QString& fileName) {
    m_inputFile = fileName;
}

void ClientProcess::setOutput(QIODevice* output) {
    m_output = output;
}

void ClientProcess::run(const QString& activity, QWidget* parent) {
    QProcess process;
    process.setProgram(m_program);
    process.setArguments(m_arguments);
    // The client is asked to stop as at Ctrl+C, which also ends the statement it is running on
    // the server; one that does not end soon is killed.
    QTimer killer;
    killer.setSingleShot(true);
    QObject::connect(&killer, &QTimer::timeout, &process, &QProcess::kill);
    const auto stopClient = [&] {
        if (process.state() == QProcess::NotRunning || killer.isActive())
            return;
        ::kill(pid_t(process.processId()), SIGINT);
        killer.start(stopGraceMs);
    };

    QString outputFailure;
    if (!m_inputFile.isEmpty())
        process.setStandardInputFile(m_inputFile);
    const auto passOutput = [&] {
        const QByteArray data = process.readAllStandardOutput();
        if (outputFailure.isEmpty() && !CheckedSave::write(*m_output, data)) {
            outputFailure = m_output->errorString();
            stopClient();
        }
    };
    if (m_output)
        QObject::connect(&process, &QProcess::readyReadStandardOutput, passOutput);
    else
        process.setStandardOutputFile(QProcess::nullDevice());
    QByteArray errorOutput;
    QObject::connect(&process, &QProcess::readyReadStandardError,
                     [&] { errorOutput += process.readAllStandardError(); });

    const QString name = QFileInfo(m_program).fileName();
    process.start();
    if (!process.waitForStarted())
        throw DatabaseError(u"Program %1 sa nedá spustiť: %2"_s.arg(name, process.errorString()));

    QProgressDialog progress(parent);
    progress.setObjectName(u"ProgressDialogKlient"_s);
    progress.setWindowTitle(QGuiApplication::applicationDisplayName());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setCancelButtonText(u"Zrušiť"_s);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumWidth(360);
    progress.setRange(0, 0);
    progress.setMinimumDuration(0);
    progress.setLabelText(progressText(activity, 0));
    bool cancelled = false;
    QObject::connect(&progress, &QProgressDialog::canceled, [&] {
        cancelled = true;
        stopClient();
    });
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout,
                     [&] { progress.setLabelText(progressText(activity, elapsed.elapsed())); });
    // A coarse one-second timer may fire early and show a second less than has passed.
    clock.start(250);
    progress.show();

    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    if (m_output)
        passOutput();
    errorOutput += process.readAllStandardError();

    if (cancelled)
        throw DatabaseError(u"Program %1 bol zrušený na pokyn používateľa."_s.arg(name));
    if (!outputFailure.isEmpty())
        throw DatabaseError(u"Výstup programu %1 sa nedá zapísať: %2"_s.arg(name, outputFailure));
    if (process.exitStatus() == QProcess::CrashExit)
        throw DatabaseError(u"Program %1 skončil neočakávane."_s.arg(name));
    if (process.exitCode() != 0) {
        const QString reason = QString::fromLocal8Bit(errorOutput).trimmed();
        if (reason.isEmpty())
            throw DatabaseError(
                u"Program %1 skončil s kódom %2."_s.arg(name).arg(process.exitCode()));
        throw ServerErrorText::error(serverErrorCode(reason), reason);
    }
}
