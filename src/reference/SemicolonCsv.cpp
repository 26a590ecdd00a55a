#include "reference/SemicolonCsv.h"

namespace {

// Splits one line into fields; false when a quoted field is not closed or is followed by anything
// but the separator.
bool SplitLine(const QString& line, QStringList& fields) {
    fields.clear();
    qsizetype i = 0;
    for (;;) {
        QString field;
        if (i < line.size() && line[i] == QLatin1Char('"')) {
            ++i;
            for (;;) {
                if (i >= line.size()) return false;
                if (line[i] == QLatin1Char('"')) {
                    if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            if (i < line.size() && line[i] != QLatin1Char(';')) return false;
        } else {
            const qsizetype end = line.indexOf(QLatin1Char(';'), i);
            field = line.mid(i, end < 0 ? -1 : end - i);
            i = end < 0 ? line.size() : end;
        }
        fields.append(field);
        if (i >= line.size()) return true;
        ++i; // the separator
    }
}

} // namespace

QString SemicolonCsv::Line(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields) {
        if (!field.contains(QLatin1Char(';')) && !field.contains(QLatin1Char('"')) &&
            !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r'))) {
            quoted << field;
            continue;
        }
        QString inner = field;
        quoted << QLatin1Char('"') + inner.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                      QLatin1Char('"');
    }
    return quoted.join(QLatin1Char(';'));
}

QString LineMessage(int line, const QString& what) {
    return QStringLiteral("строка %1: %2").arg(line).arg(what);
}

bool SemicolonCsv::Fail(int line, const QString& what) {
    rows_.clear();
    error_ = LineMessage(line, what);
    return false;
}

bool SemicolonCsv::Parse(const QByteArray& bytes, const QStringList& columns) {
    rows_.clear();
    error_.clear();
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
    if (!text.isValidUtf8()) return Fail(1, QStringLiteral("текст не в кодировке UTF-8"));
    const QString all = QString::fromUtf8(text);
    bool header = true;
    int lineNumber = 0;
    QStringList fields;
    for (const QStringView view : QStringView(all).split(QLatin1Char('\n'))) {
        ++lineNumber;
        QString line = view.toString();
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        if (!SplitLine(line, fields))
            return Fail(lineNumber, QStringLiteral("незакрытые или лишние кавычки"));
        if (header) {
            if (fields != columns)
                return Fail(lineNumber,
                            QStringLiteral("ожидались столбцы %1").arg(columns.join(QLatin1Char(';'))));
            header = false;
            continue;
        }
        if (fields.size() != columns.size())
            return Fail(lineNumber,
                        QStringLiteral("%1 полей вместо %2").arg(fields.size()).arg(columns.size()));
        rows_.append({lineNumber, fields});
    }
    if (header) return Fail(1, QStringLiteral("нет строки с названиями столбцов"));
    return true;
}
