#pragma once

#include <QString>
#include <QStringList>

class QIODevice;
class QWidget;

/// Runs one database client program to its real end while a progress dialog says what is going
/// on and how long it has taken. The window keeps painting, but takes no input until the program
/// has ended or the user has cancelled it with the dialog's button.
class ClientProcess {
public:
    ClientProcess(QString program, QStringList arguments);

    /// The program reads its standard input from this file.
    void setInputFile(const QString& fileName);
    /// The program's standard output is written there; without one it is discarded.
    void setOutput(QIODevice* output);

    /// Throws DatabaseError with the program's own error output when it cannot be started,
    /// crashes or ends with a non-zero status, when the user cancels it, or when its output
    /// cannot be written (the program is then stopped).
    void run(const QString& activity, QWidget* parent);

private:
    QString m_program;
    QStringList m_arguments;
    QString m_inputFile;
    QIODevice* m_output = nullptr;
};
