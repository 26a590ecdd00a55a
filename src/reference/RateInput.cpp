#include "reference/RateInput.h"

#include "reference/ReferenceXml.h"
#include "reference/SemicolonCsv.h"

#include <algorithm>
#include <pugixml.hpp>
#include <vector>

namespace {

const QStringList kTableColumns = {QStringLiteral("code"),     QStringLiteral("letter"),
                                   QStringLiteral("quantity"), QStringLiteral("name"),
                                   QStringLiteral("date"),     QStringLiteral("rate")};

constexpr qint64 kMaxNominal = 1000000000;

// Lines of a text by the offsets of its line ends, so that every element of a long file finds its
// line without counting from the start again.
class LineIndex {
public:
    explicit LineIndex(const QByteArray& text) {
        for (qsizetype i = text.indexOf('\n'); i >= 0; i = text.indexOf('\n', i + 1))
            ends_.push_back(i);
    }
    int LineOf(ptrdiff_t offset) const {
        return 1 + int(std::lower_bound(ends_.begin(), ends_.end(), qsizetype(offset)) - ends_.begin());
    }

private:
    std::vector<qsizetype> ends_;
};

QString Utf8(const char* text) {
    return QString::fromUtf8(text).trimmed();
}

// "dd.mm.yyyy"; the bank writes some dates with "/".
QDate ParseDay(const QString& text) {
    if (text.size() != 10) return {};
    const QChar separator = text[2];
    if ((separator != QLatin1Char('.') && separator != QLatin1Char('/')) || text[5] != separator) return {};
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')) return {};
    return QDate(text.mid(6, 4).toInt(), text.mid(3, 2).toInt(), text.left(2).toInt());
}

bool ParseNominal(const QString& text, qint64& nominal) {
    if (text.isEmpty() || text.size() > 10) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    nominal = text.toLongLong();
    return nominal > 0 && nominal <= kMaxNominal;
}

// One to three digits, written with leading zeros as the rates file holds it.
bool ParseCode(const QString& text, QString& code) {
    if (text.isEmpty() || text.size() > 3) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    code = text.rightJustified(3, QLatin1Char('0'));
    return true;
}

QString Quoted(const QString& text) {
    return QStringLiteral("«%1»").arg(text.left(40));
}

} // namespace

bool RateInput::ParseValue(const QString& input, qint64& value) {
    const QString text = input.trimmed();
    qint64 whole = 0, fraction = 0;
    int wholeDigits = 0, fractionDigits = 0;
    bool separator = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (separator) return false;
            separator = true;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            const int digit = c.unicode() - '0';
            if (separator) {
                if (++fractionDigits > 8) return false;
                fraction = fraction * 10 + digit;
            } else {
                whole = whole * 10 + digit;
                if (whole >= kMaxNominal) return false;
                ++wholeDigits;
            }
        } else {
            return false;
        }
    }
    if (wholeDigits + fractionDigits == 0) return false;
    for (int i = fractionDigits; i < 8; ++i)
        fraction *= 10;
    value = whole * ValueScale + fraction;
    return value > 0;
}

bool RateInput::Fail(int line, const QString& what) {
    rates_.clear();
    error_ = LineMessage(line, what);
    return false;
}

bool RateInput::Read(const QByteArray& bytes) {
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF")) text = text.sliced(3);
    const QByteArrayView start = text.trimmed();
    if (start.startsWith('<')) return ReadXml(Format::Unknown, bytes);
    if (ReadTable(bytes)) return true;
    if (error_.startsWith(LineMessage(1, {})))
        error_ = LineMessage(1, QStringLiteral("это не XML-файл курсов Банка России и не таблица курсов со "
                                               "столбцами %1")
                                    .arg(kTableColumns.join(QLatin1Char(';'))));
    return false;
}

bool RateInput::ReadAs(Format format, const QByteArray& bytes) {
    return format == Format::Table ? ReadTable(bytes) : ReadXml(format, bytes);
}

bool RateInput::ReadTable(const QByteArray& bytes) {
    format_ = Format::Table;
    rates_.clear();
    SemicolonCsv table;
    if (!table.Parse(bytes, kTableColumns)) {
        error_ = table.ErrorString();
        return false;
    }
    for (const SemicolonCsv::Row& row : table.Rows()) {
        IncomingRate rate;
        rate.Line = row.Line;
        const QStringList& f = row.Fields;
        if (f[0].trimmed().size() != 3 || !ParseCode(f[0].trimmed(), rate.Code))
            return Fail(row.Line, QStringLiteral("код валюты не из трёх цифр: %1").arg(Quoted(f[0])));
        if (!ParseNominal(f[2].trimmed(), rate.Nominal))
            return Fail(row.Line, QStringLiteral("неверное количество единиц: %1").arg(Quoted(f[2])));
        rate.Name = f[3].trimmed();
        rate.Day = ParseDay(f[4].trimmed());
        if (!rate.Day.isValid()) return Fail(row.Line, QStringLiteral("неверная дата: %1").arg(Quoted(f[4])));
        if (!ParseValue(f[5], rate.Value))
            return Fail(row.Line, QStringLiteral("неверный курс: %1").arg(Quoted(f[5])));
        rates_.append(rate);
    }
    if (rates_.isEmpty()) return Fail(1, QStringLiteral("в таблице нет ни одного курса"));
    return true;
}

bool RateInput::ReadXml(Format wanted, const QByteArray& bytes) {
    format_ = wanted;
    rates_.clear();
    QByteArray text;
    QString encodingError;
    if (!ReferenceXml::ToUtf8(bytes, text, encodingError)) return Fail(1, encodingError);
    const LineIndex lines(text);
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.constData(), size_t(text.size()), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        return Fail(lines.LineOf(parsed.offset),
                    QStringLiteral("ошибка XML: %1").arg(QString::fromUtf8(parsed.description())));
    const pugi::xml_node root = document.document_element();
    const auto lineOf = [&](const pugi::xml_node& node) { return lines.LineOf(node.offset_debug()); };
    if (!root) return Fail(1, QStringLiteral("в документе нет корневого элемента"));
    if (std::string_view(root.name()) != "ValCurs")
        return Fail(lineOf(root), QStringLiteral("это не файл курсов Банка России: корневой элемент <%1> "
                                                 "вместо <ValCurs>")
                                      .arg(QString::fromUtf8(root.name()).left(40)));

    const QDate rootDay = ParseDay(Utf8(root.attribute("Date").value()));
    const QString rootId = Utf8(root.attribute("ID").value());
    for (const pugi::xml_node& node : root.children()) {
        if (node.type() != pugi::node_element) continue;
        const std::string_view name(node.name());
        const Format kind = name == "Valute"   ? Format::Daily
                            : name == "Record" ? Format::History
                                               : Format::Unknown;
        if (kind == Format::Unknown)
            return Fail(
                lineOf(node),
                QStringLiteral("неизвестный элемент <%1>").arg(QString::fromUtf8(node.name()).left(40)));
        if (format_ != Format::Unknown && kind != format_)
            return Fail(lineOf(node), kind == Format::Daily
                                          ? QStringLiteral("курс валюты <Valute> в файле истории курсов")
                                          : QStringLiteral("запись истории <Record> в файле курсов за день"));
        format_ = kind;

        IncomingRate rate;
        rate.Line = lineOf(node);
        const auto child = [&](const char* element) { return Utf8(node.child(element).text().get()); };
        if (kind == Format::Daily) {
            if (!rootDay.isValid())
                return Fail(lineOf(root),
                            QStringLiteral("у <ValCurs> нет даты курсов (Date) или она неверна: %1")
                                .arg(Quoted(Utf8(root.attribute("Date").value()))));
            rate.Day = rootDay;
            if (!ParseCode(child("NumCode"), rate.Code))
                return Fail(rate.Line, QStringLiteral("неверный цифровой код валюты (NumCode): %1")
                                           .arg(Quoted(child("NumCode"))));
            rate.Name = child("Name");
            rate.BankId = Utf8(node.attribute("ID").value());
        } else {
            const QString day = Utf8(node.attribute("Date").value());
            rate.Day = ParseDay(day);
            if (!rate.Day.isValid())
                return Fail(rate.Line, QStringLiteral("неверная дата (Date): %1").arg(Quoted(day)));
            rate.BankId = Utf8(node.attribute("Id").value());
            if (rate.BankId.isEmpty()) rate.BankId = rootId;
        }
        if (!ParseNominal(child("Nominal"), rate.Nominal))
            return Fail(rate.Line,
                        QStringLiteral("неверный номинал (Nominal): %1").arg(Quoted(child("Nominal"))));
        if (!ParseValue(child("Value"), rate.Value))
            return Fail(rate.Line, QStringLiteral("неверный курс (Value): %1").arg(Quoted(child("Value"))));
        rates_.append(rate);
    }
    if (rates_.isEmpty()) return Fail(lineOf(root), QStringLiteral("в файле нет ни одного курса"));
    return true;
}
