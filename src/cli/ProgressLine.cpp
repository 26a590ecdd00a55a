#include "cli/ProgressLine.h"

#include <QLocale>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr qint64 RedrawMs = 100;

void WriteError(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

ProgressLine::ProgressLine(qsizetype total) : total_(total), terminal_(isatty(fileno(stderr)) != 0) {}

ProgressLine::~ProgressLine() {
    Clear();
}

QString ProgressLine::Text(qsizetype done, qsizetype total) {
    // Thousands are set apart as Russian text sets them.
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    return QStringLiteral("обработано %1 из %2")
        .arg(russian.toString(qint64(done)), russian.toString(qint64(total)));
}

void ProgressLine::Show(qsizetype done) {
    if (!terminal_) return;
    if (shown_ && done < total_ && sinceShown_.isValid() && sinceShown_.elapsed() < RedrawMs) return;
    WriteError("\r\x1b[K" + Text(done, total_).toUtf8());
    shown_ = true;
    sinceShown_.start();
}

void ProgressLine::Clear() {
    if (!shown_) return;
    WriteError("\r\x1b[K");
    shown_ = false;
}
