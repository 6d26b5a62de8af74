#pragma once

#include <QString>

using namespace Qt::Literals::StringLiterals;

/// Where the program's own files are: schema scripts, report layouts, the information page,
/// translations, the installation's configuration defaults. The build puts them beside the
/// executables; an installation puts the executables into <prefix>/bin and the files into
/// <prefix>/share/tarvelin. Every lookup of such a file goes through here, so that the window
/// and both tools find the same files wherever they were started from.
class ProgramFiles {
public:
    /// The files of the running program.
    static ProgramFiles ofProgram();
    /// The files of a program whose executable lies in that folder.
    explicit ProgramFiles(QString programFolder);

    /// The file or folder of that relative name ("sql", "reports", "TarvelinInfo.html"): beside
    /// the executable where it is there, else in the installation's share folder. Where neither
    /// holds it, the place it belongs to, so that a message names where it was looked for.
    QString path(const QString& name) const;
    /// The program runs from an installation, not from its build folder: the share folder holds
    /// its schema scripts and no build put them beside the executable.
    bool installed() const;
    /// <prefix>/share/tarvelin for the executable's <prefix>/bin.
    QString shareFolder() const;
    QString programFolder() const { return m_programFolder; }

private:
    QString m_programFolder;
};
