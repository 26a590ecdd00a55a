#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// A command's work over the declaration files of its command line, each file on its own: a file that
// cannot be read, or whose return has faults, is reported and the others go on. One file named alone
// is worked on as it always was. Several files, or a folder, are spread over the cores: each file's
// output comes whole and in the order of the files, headed by "==> FILE <==", its messages begin
// with the file's name, and a count of the files by result closes the run.
class ReturnBatch {
public:
    // The options every such command takes, as its usage line shows them.
    static inline const QString Usage = QStringLiteral("[--recursive] [--jobs N]");

    // Takes --recursive and --jobs N out of args; false after a message when N is not a positive number.
    bool TakeOptions(QStringList& args);
    // The files the names give (ReturnFiles); false after a message when there is none.
    bool Find(const QStringList& names);
    // TakeOptions, then Find over what is left, which must be file names (else the command's usage).
    bool Take(QStringList args, const QString& command);

    const QStringList& Files() const { return files_; }
    bool Many() const { return many_; }

    // Works on file i with work, whose result is an exit code (ExitOk, ExitFaults, ExitError) and whose
    // output goes through CliOut and CliError; files may be worked on at the same time. Returns the exit
    // code of the whole run: ExitError when some file could not be worked on, else ExitFaults when some
    // return has faults.
    int Run(const std::function<int(qsizetype i, const QString& file)>& work) const;

private:
    bool recursive_ = false;
    int jobs_ = 0; // 0: one thread per core
    QStringList files_;
    bool many_ = false;
};
