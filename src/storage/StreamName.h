#pragma once

#include <QByteArrayView>
#include <QString>

// The name of a list record's stream: a prefix followed by the record's list positions, each written
// with "%.3d" (at least three digits), as in "@SourseIncome002010". Built on the stack: a large
// declaration has a hundred thousand of them, and each is made for its size, its save and its load.
class StreamName {
public:
    explicit StreamName(const char* prefix, int index = -1, int line = -1) {
        for (; *prefix && size_ < kPrefixRoom; ++prefix)
            text_[size_++] = *prefix;
        if (index >= 0) AppendIndex(index);
        if (line >= 0) AppendIndex(line);
    }

    QByteArrayView Bytes() const { return QByteArrayView(text_, size_); }
    QString Text() const { return QString::fromLatin1(text_, size_); }

private:
    static constexpr int kPrefixRoom = 24;

    void AppendIndex(int index) {
        char digits[10];
        int count = 0;
        for (unsigned rest = unsigned(index); rest > 0 || count < 3; rest /= 10)
            digits[count++] = char('0' + rest % 10);
        while (count > 0)
            text_[size_++] = digits[--count];
    }

    char text_[kPrefixRoom + 2 * 10];
    qsizetype size_ = 0;
};
