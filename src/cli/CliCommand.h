#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

struct CheckFault;
class QCoreApplication;
class QDate;
class mTDeclaration;

// Subcommands of durovid-cli register themselves, one file each.
struct CliCommand {
    QString name;
    QString usage;       // arguments, e.g. "FILE"
    QString description; // one line, Russian
    std::function<int(const QStringList& args)> run;
    // The application object the command needs; empty: a plain QCoreApplication.
    std::function<std::unique_ptr<QCoreApplication>(int& argc, char** argv)> application = {};
};

std::vector<CliCommand>& CliCommands();

struct CliCommandRegistrar {
    explicit CliCommandRegistrar(CliCommand command) { CliCommands().push_back(std::move(command)); }
};

// Exit codes of the program.
enum CliExit { ExitOk = 0, ExitFaults = 1, ExitError = 2 };

// Writes UTF-8 text to standard output or standard error.
void CliOut(const QByteArray& bytes);
void CliOut(const QString& text);
void CliError(const QString& text);

// The output of one file of a batch, gathered while the file is worked on, so that each file's
// output comes out whole and in the order of the files.
struct CliCapture {
    QByteArray out;
    QByteArray err;
};
// CliOut and CliError of the calling thread go into capture from now on (nullptr: straight out again).
void CliCaptureOutput(CliCapture* capture);
// Prints the usage of one command on stderr and returns ExitError.
int CliUsage(const QString& command);

// Reads a date "dd.mm.yyyy" of the command line; false after a message when it is not one.
bool CliParseDate(const QString& text, QDate& date);

// Loads a declaration file; on failure prints the message on stderr and returns false.
bool CliLoadDeclaration(const QString& fileName, mTDeclaration& declaration);

// One fault as the console writes it: "title: message (position N)".
QString CliFaultLine(const CheckFault& fault);

// Runs the whole-declaration check; the console cannot fix a fault, so each one is written with
// `write` and answered "Отмена". True when nothing is to be fixed.
bool CliCheckDeclaration(const mTDeclaration& declaration, const std::function<void(const QString&)>& write);
