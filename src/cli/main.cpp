#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <algorithm>
#include <new>

namespace {

void PrintHelp() {
    QString text = QStringLiteral(
        "Durovid 2010 — декларация о доходах физического лица за 2010 год (консольная программа).\n\n"
        "Использование: durovid-cli КОМАНДА [АРГУМЕНТЫ]\n"
        "              durovid-cli --version\n\nКоманды:\n");
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const CliCommand& c : commands)
        text += QStringLiteral("  %1 %2\n      %3\n").arg(c.name, c.usage, c.description);
    text += QStringLiteral(
        "\nКоды завершения: 0 — успешно, 1 — в декларации есть ошибки, 2 — ошибка вызова или файла;\n"
        "для нескольких файлов — 2, если какой-то файл не удалось обработать, иначе 1, если в какой-то\n"
        "декларации есть ошибки.\n");
    CliOut(text);
}

} // namespace

int main(int argc, char** argv) {
    // A command that draws (print) needs its own application object, made before anything else.
    const CliCommand* chosen = nullptr;
    if (argc > 1)
        for (const CliCommand& c : CliCommands())
            if (c.name == QString::fromLocal8Bit(argv[1])) chosen = &c;
    const std::unique_ptr<QCoreApplication> app = chosen && chosen->application
                                                      ? chosen->application(argc, argv)
                                                      : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h") ||
        args[0] == QLatin1String("help")) {
        PrintHelp();
        return args.isEmpty() ? ExitError : ExitOk;
    }
    if (args[0] == QLatin1String("--version")) {
        CliOut(QStringLiteral("durovid-cli (Durovid 2010) %1\n").arg(QStringLiteral(DUROVID_VERSION)));
        return ExitOk;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& c : CliCommands()) {
        if (c.name != name) continue;
        // A file too big for the memory at hand ends the command with a message, never with an abort.
        try {
            return c.run(args);
        } catch (const std::bad_alloc&) {
            CliError(QStringLiteral("Недостаточно памяти для выполнения команды %1").arg(name));
            return ExitError;
        }
    }
    CliError(QStringLiteral("Неизвестная команда: %1. Список команд: durovid-cli --help").arg(name));
    return ExitError;
}
