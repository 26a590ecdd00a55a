#pragma once

#include <QElapsedTimer>
#include <QString>

// "обработано 812 из 2 000" on standard error, rewritten in place while a batch runs; only when
// standard error is a terminal, so that a log or a pipe never receives it.
class ProgressLine {
public:
    explicit ProgressLine(qsizetype total);
    ~ProgressLine();

    // Shows the count, at most a few times a second (and always the last one).
    void Show(qsizetype done);
    // Takes the line off the screen before other text is written; the next Show draws it again.
    void Clear();

    static QString Text(qsizetype done, qsizetype total);

private:
    qsizetype total_;
    bool terminal_;
    bool shown_ = false;
    QElapsedTimer sinceShown_;
};
