#include "cli/CliCommand.h"

#include "checks/DeclarationCheck.h"
#include "records/Declaration.h"
#include "storage/StorageErrors.h"

#include <QDate>
#include <cstdio>

std::vector<CliCommand>& CliCommands() {
    static std::vector<CliCommand> commands;
    return commands;
}

namespace {
thread_local CliCapture* capture = nullptr;
}

void CliCaptureOutput(CliCapture* to) {
    capture = to;
}

void CliOut(const QByteArray& bytes) {
    if (capture) {
        capture->out += bytes;
        return;
    }
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void CliOut(const QString& text) {
    CliOut(text.toUtf8());
}

void CliError(const QString& text) {
    // The container's messages separate their lines with a carriage return.
    QString message = text;
    message.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QByteArray bytes = message.toUtf8() + '\n';
    if (capture) {
        capture->err += bytes;
        return;
    }
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int CliUsage(const QString& command) {
    for (const CliCommand& c : CliCommands())
        if (c.name == command)
            CliError(QStringLiteral("Использование: durovid-cli %1 %2").arg(c.name, c.usage));
    return ExitError;
}

bool CliParseDate(const QString& text, QDate& date) {
    date = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
    if (date.isValid()) return true;
    CliError(QStringLiteral("Неправильная дата: %1 (нужна дд.мм.гггг)").arg(text));
    return false;
}

bool CliLoadDeclaration(const QString& fileName, mTDeclaration& declaration) {
    try {
        declaration.LoadFromFile(fileName);
        return true;
    } catch (const std::exception& e) {
        CliError(StorageFailureMessage(e));
    }
    return false;
}

QString CliFaultLine(const CheckFault& fault) {
    return QStringLiteral("%1: %2 (position %3)").arg(fault.Title, fault.Message).arg(fault.Position);
}

namespace {

class WritingAnswerer : public ICheckAnswerer {
public:
    explicit WritingAnswerer(const std::function<void(const QString&)>& write) : write_(write) {}
    CheckAnswer Answer(const CheckFault& fault) override {
        faulty = true;
        write_(CliFaultLine(fault));
        return CheckAnswer::Cancel;
    }
    bool faulty = false;

private:
    const std::function<void(const QString&)>& write_;
};

} // namespace

bool CliCheckDeclaration(const mTDeclaration& declaration, const std::function<void(const QString&)>& write) {
    WritingAnswerer answerer(write);
    CheckDeclaration(declaration, answerer);
    return !answerer.faulty;
}
