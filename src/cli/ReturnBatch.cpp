#include "cli/ReturnBatch.h"

#include "cli/CliCommand.h"
#include "cli/ParallelRun.h"
#include "cli/ProgressLine.h"
#include "cli/ReturnFiles.h"

#include <QThread>
#include <algorithm>
#include <array>
#include <cstdio>
#include <new>
#include <vector>

namespace {

struct Outcome {
    int Exit = ExitOk;
    CliCapture Output;
};

// A file's messages carry its name, line by line, so that they can be told apart on a shared screen.
QByteArray NamedLines(const QString& file, const QByteArray& text) {
    const QByteArray prefix = file.toUtf8() + ": ";
    QByteArray named;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty()) named += prefix + line + '\n';
    return named;
}

Outcome WorkOn(const std::function<int(qsizetype, const QString&)>& work, qsizetype i, const QString& file) {
    Outcome outcome;
    CliCaptureOutput(&outcome.Output);
    // A worker thread must not end the program: whatever stops one file is that file's failure.
    try {
        outcome.Exit = work(i, file);
    } catch (const std::bad_alloc&) {
        CliError(QStringLiteral("Недостаточно памяти для обработки файла"));
        outcome.Exit = ExitError;
    } catch (const std::exception& e) {
        CliError(QString::fromUtf8(e.what()));
        outcome.Exit = ExitError;
    }
    CliCaptureOutput(nullptr);
    return outcome;
}

} // namespace

bool ReturnBatch::TakeOptions(QStringList& args) {
    recursive_ = args.removeAll(QStringLiteral("--recursive")) > 0;
    const QString jobs = QStringLiteral("--jobs");
    for (qsizetype i = args.indexOf(jobs); i >= 0; i = args.indexOf(jobs)) {
        bool number = false;
        jobs_ = i + 1 < args.size() ? args[i + 1].toInt(&number) : 0;
        if (!number || jobs_ < 1) {
            CliError(QStringLiteral("После --jobs нужно число потоков, не меньше 1"));
            return false;
        }
        args.remove(i, 2);
    }
    return true;
}

bool ReturnBatch::Find(const QStringList& names) {
    const ReturnFiles found = FindReturnFiles(names, recursive_);
    for (const QString& folder : found.EmptyFolders)
        CliError(QStringLiteral("В папке %1 нет файлов деклараций (.kv0)").arg(folder));
    files_ = found.Files;
    many_ = names.size() > 1 || found.FromFolder;
    return !files_.isEmpty();
}

bool ReturnBatch::Take(QStringList args, const QString& command) {
    if (!TakeOptions(args)) return false;
    const bool names = std::none_of(args.begin(), args.end(),
                                    [](const QString& arg) { return arg.startsWith(QLatin1String("--")); });
    if (args.isEmpty() || !names) {
        CliUsage(command);
        return false;
    }
    return Find(args);
}

int ReturnBatch::Run(const std::function<int(qsizetype, const QString&)>& work) const {
    if (!many_) return work(0, files_[0]);
    std::vector<Outcome> outcomes(size_t(files_.size()));
    std::array<qsizetype, 3> counts{}; // by exit code
    bool headed = false;
    ProgressLine progress(files_.size());
    ParallelRun run;
    run.Count = files_.size();
    run.Jobs = jobs_ > 0 ? jobs_ : QThread::idealThreadCount();
    run.Work = [&](qsizetype i) { outcomes[size_t(i)] = WorkOn(work, i, files_[i]); };
    run.Progress = [&](qsizetype done) { progress.Show(done); };
    run.Deliver = [&](qsizetype i) {
        Outcome outcome = std::move(outcomes[size_t(i)]);
        progress.Clear();
        if (!outcome.Output.out.isEmpty()) {
            CliOut((headed ? "\n==> " : "==> ") + files_[i].toUtf8() + " <==\n" + outcome.Output.out);
            headed = true;
        }
        const QByteArray messages = NamedLines(files_[i], outcome.Output.err);
        std::fwrite(messages.constData(), 1, size_t(messages.size()), stderr);
        ++counts[size_t(qBound(0, outcome.Exit, 2))];
    };
    RunInParallel(run);
    progress.Clear();
    CliError(QStringLiteral("Итого файлов: %1; успешно: %2; с ошибками в декларации: %3; "
                            "не удалось обработать: %4")
                 .arg(files_.size())
                 .arg(counts[ExitOk])
                 .arg(counts[ExitFaults])
                 .arg(counts[ExitError]));
    return counts[ExitError] > 0 ? ExitError : counts[ExitFaults] > 0 ? ExitFaults : ExitOk;
}
