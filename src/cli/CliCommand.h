#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class mTDeclaration;

// Subcommands of durovid-cli register themselves, one file each.
struct CliCommand {
    QString name;
    QString usage;       // arguments, e.g. "FILE"
    QString description; // one line, Russian
    std::function<int(const QStringList& args)> run;
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
// Prints the usage of one command on stderr and returns ExitError.
int CliUsage(const QString& command);

// Loads a declaration file; on failure prints the message on stderr and returns false.
bool CliLoadDeclaration(const QString& fileName, mTDeclaration& declaration);
