#include "records/RecordIO.h"

void JsonDumper::Indent() {
    out += '\n';
    out += QByteArray(levels_.size() * 2, ' ');
}

void JsonDumper::Key(const char* key) {
    if (!levels_.isEmpty()) {
        Level& level = levels_.last();
        if (!level.empty) out += level.inlineValues ? ", " : ",";
        if (!level.inlineValues) Indent();
        level.empty = false;
    }
    if (key) {
        out += Quote(QString::fromUtf8(key));
        out += ": ";
    }
}

void JsonDumper::Date(const char* key, const TDateTime& v) {
    Key(key);
    out += Quote(DateValue::TextWithTime(v));
}

void JsonDumper::BeginObject(const char* key) {
    Key(key);
    out += '{';
    levels_.append(Level{});
}

void JsonDumper::EndObject() {
    const Level level = levels_.takeLast();
    if (!level.empty) Indent();
    out += '}';
}

void JsonDumper::BeginList(const char* key) {
    Key(key);
    out += '[';
    levels_.append(Level{});
}

void JsonDumper::BeginValueList(const char* key) {
    Key(key);
    out += '[';
    levels_.append(Level{true, true});
}

void JsonDumper::EndList() {
    const Level level = levels_.takeLast();
    if (!level.empty && !level.inlineValues) Indent();
    out += ']';
}

QByteArray JsonDumper::Quote(const QString& text) {
    QByteArray quoted = "\"";
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (c.unicode() < 0x20)
                quoted += "\\u" + QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
            else
                quoted += QString(c).toUtf8();
        }
    }
    return quoted + '"';
}
