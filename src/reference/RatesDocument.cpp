#include "reference/RatesDocument.h"

#include "reference/CurrencyRates.h"
#include "reference/ReferenceXml.h"
#include "storage/CodePage.h"

#include <algorithm>
#include <string_view>

namespace {

// Far beyond any rate: keeps every conversion inside 64 bits.
constexpr qint64 kMaxRaw = 1000000000000000LL;
constexpr int kMaxPower = 4;

QString Value(const pugi::xml_node& node, const char* attribute) {
    return QString::fromUtf8(node.attribute(attribute).value());
}

void Set(pugi::xml_node node, const char* attribute, const QString& value) {
    pugi::xml_attribute a = node.attribute(attribute);
    if (!a) a = node.append_attribute(attribute);
    a.set_value(value.toUtf8().constData());
}

QString DayText(QDate day) {
    return day.toString(QStringLiteral("dd.MM.yyyy"));
}

qint64 PowerOfTen(int power) {
    qint64 p = 1;
    while (power-- > 0)
        p *= 10;
    return p;
}

} // namespace

struct RatesDocument::Currency {
    struct Entry {
        CurrencyRateEntry Read;
        pugi::xml_node Node;
    };
    QString Code;
    pugi::xml_node Node;
    qint64 Quantity = 0; // 0: the file's Quantity is not a number
    // Every entry, in no particular order (a rescale converts them all); found through Days, so that
    // merging many rates costs n log n, not n squared.
    std::vector<Entry> Entries;
    static constexpr size_t None = size_t(-1);
    struct Day {
        size_t Exact = None;  // the first entry dated exactly with the day, an index into Entries
        pugi::xml_node First; // the first entry in document order dated with the day
    };
    std::map<QDate, Day> Days; // every valid day
    // The valid days never go back in document order (as in every file we write): the first later
    // entry in document order is then the first of the next later day.
    bool Ordered = true;

    // An entry read from the file, in document order.
    void Add(const CurrencyRateEntry& read, pugi::xml_node node) {
        if (read.Day.isValid()) {
            Day& day = Days[read.Day];
            if (!day.First) day.First = node;
            if (read.DayExact && day.Exact == None) day.Exact = Entries.size();
        }
        Entries.push_back({read, node});
    }
    // The entry a new one dated day goes before: the first in document order dated later. at is
    // Days.lower_bound(day).
    pugi::xml_node FirstLater(QDate day, std::map<QDate, Day>::const_iterator at) const {
        if (Ordered) {
            if (at != Days.end() && at->first == day) ++at;
            return at == Days.end() ? pugi::xml_node() : at->second.First;
        }
        for (const pugi::xml_node& r : Node.children())
            if (r.type() == pugi::node_element) {
                const QDate d = mTCurrencyRates::ReadEntry(r.attribute("Date").value(), "").Day;
                if (d.isValid() && d > day) return r;
            }
        return {};
    }
};

RatesDocument::RatesDocument() {
    document_.append_child(RootName);
}

RatesDocument::~RatesDocument() = default;

bool RatesDocument::Fail(const QString& message) {
    error_ = message;
    return false;
}

bool RatesDocument::Load(const QByteArray& bytes) {
    currencies_.clear();
    added_ = replaced_ = unchanged_ = 0;
    QByteArray text;
    if (!ReferenceXml::ToUtf8(bytes, text, error_)) return false;
    const pugi::xml_parse_result parsed =
        document_.load_buffer(text.constData(), size_t(text.size()),
                              pugi::parse_default | pugi::parse_comments, pugi::encoding_utf8);
    if (!parsed) {
        const int line = 1 + int(QByteArrayView(text).first(qsizetype(parsed.offset)).count('\n'));
        return Fail(QStringLiteral("ошибка XML: %1 (строка %2)")
                        .arg(QString::fromUtf8(parsed.description()))
                        .arg(line));
    }
    const pugi::xml_node root = document_.document_element();
    if (!root) return Fail(QStringLiteral("в документе нет корневого элемента"));
    return HasRatesShape(root);
}

bool RatesDocument::HasRatesShape(const pugi::xml_node& root) {
    // Written back whole, a file of another kind would be changed into a strange mixture of both, and
    // elements nested deeper than a rate grow with every level of indentation the writer adds.
    if (std::string_view(root.name()) != RootName)
        return Fail(QStringLiteral("это не справочник курсов валют: корневой элемент <%1> вместо <%2>")
                        .arg(QString::fromUtf8(root.name()).left(40), QLatin1String(RootName)));
    for (pugi::xml_node currency = root.first_child(); currency; currency = currency.next_sibling())
        for (pugi::xml_node rate = currency.first_child(); rate; rate = rate.next_sibling())
            for (pugi::xml_node inner = rate.first_child(); inner; inner = inner.next_sibling())
                if (inner.type() == pugi::node_element)
                    return Fail(QStringLiteral("элемент <%1> вложен в запись курса <%2>: в справочнике "
                                               "курсов так глубоко элементов нет")
                                    .arg(QString::fromUtf8(inner.name()).left(40),
                                         QString::fromUtf8(rate.name()).left(40)));
    return true;
}

RatesDocument::Currency* RatesDocument::Find(const QString& code) {
    if (const auto it = currencies_.find(code); it != currencies_.end()) return it->second.get();
    for (const pugi::xml_node& node : document_.document_element().children()) {
        if (node.type() != pugi::node_element || Value(node, "Code") != code) continue;
        auto currency = std::make_unique<Currency>();
        currency->Code = code;
        currency->Node = node;
        bool ok = false;
        const qint64 quantity = Value(node, "Quantity").trimmed().toLongLong(&ok);
        currency->Quantity = ok && quantity > 0 ? quantity : 0;
        QDate last;
        for (const pugi::xml_node& r : node.children()) {
            if (r.type() != pugi::node_element) continue;
            const CurrencyRateEntry read =
                mTCurrencyRates::ReadEntry(r.attribute("Date").value(), r.attribute("Rate").value());
            if (read.Day.isValid()) {
                if (last.isValid() && read.Day < last) currency->Ordered = false;
                last = read.Day;
            }
            currency->Add(read, r);
        }
        return currencies_.emplace(code, std::move(currency)).first->second.get();
    }
    return nullptr;
}

QString RatesDocument::CodeOfBankId(const QString& bankId) const {
    if (bankId.isEmpty()) return {};
    for (const pugi::xml_node& node : document_.document_element().children())
        if (node.type() == pugi::node_element && Value(node, "Id") == bankId) return Value(node, "Code");
    return {};
}

bool RatesDocument::SetBankId(const QString& code, const QString& bankId) {
    Currency* currency = Find(code);
    if (!currency) return false;
    Set(currency->Node, "Id", bankId);
    return true;
}

RatesDocument::Currency* RatesDocument::Append(const QString& code, const IncomingRate& rate) {
    pugi::xml_node node = document_.document_element().append_child("Currency");
    Set(node, "Code", code);
    Set(node, "Name", rate.Name);
    Set(node, "Quantity", QString::number(rate.Nominal));
    if (!rate.BankId.isEmpty()) Set(node, "Id", rate.BankId);
    auto currency = std::make_unique<Currency>();
    currency->Code = code;
    currency->Node = node;
    currency->Quantity = rate.Nominal;
    return currencies_.insert_or_assign(code, std::move(currency)).first->second.get();
}

bool RatesDocument::Rescale(Currency& currency, int power, QStringList& report) {
    const qint64 factor = PowerOfTen(power);
    for (const Currency::Entry& e : currency.Entries)
        if (!e.Read.RateValid || qAbs(e.Read.Rate.Raw()) > kMaxRaw / factor)
            return Fail(
                QStringLiteral("курсы валюты %1 нельзя пересчитать на %2 ед.: в справочнике курс «%3»")
                    .arg(currency.Code)
                    .arg(currency.Quantity * factor)
                    .arg(Value(e.Node, "Rate")));
    for (Currency::Entry& e : currency.Entries) {
        e.Read.Rate = Money::FromRaw(e.Read.Rate.Raw() * factor);
        Set(e.Node, "Rate", RateText(e.Read.Rate.Raw()));
    }
    report << QStringLiteral("Курсы валюты %1 пересчитаны с %2 на %3 ед., чтобы курс не округлялся")
                  .arg(currency.Code)
                  .arg(currency.Quantity)
                  .arg(currency.Quantity * factor);
    currency.Quantity *= factor;
    Set(currency.Node, "Quantity", QString::number(currency.Quantity));
    return true;
}

bool RatesDocument::Merge(const QString& code, const IncomingRate& rate, QStringList& report) {
    Currency* currency = Find(code);
    if (!currency) {
        if (rate.Name.isEmpty())
            return Fail(QStringLiteral("валюты %1 нет в справочнике, а у курса нет её названия").arg(code));
        if (!CodePage::IsCp1251(rate.Name))
            return Fail(
                QStringLiteral("в названии валюты %1 есть знаки, которых нет в кодировке windows-1251")
                    .arg(code));
        currency = Append(code, rate);
        report << QStringLiteral("Добавлена валюта %1 «%2», курс за %3 ед.")
                      .arg(code, rate.Name)
                      .arg(rate.Nominal);
    }
    if (currency->Quantity <= 0)
        return Fail(QStringLiteral("у валюты %1 в справочнике количество единиц не число: «%2»")
                        .arg(code, Value(currency->Node, "Quantity")));

    // The value is per Nominal units in 1/10^8 roubles; the file holds it per Quantity units in 1/10^4.
    __int128 numerator = __int128(rate.Value) * currency->Quantity;
    const __int128 denominator = __int128(rate.Nominal) * (RateInput::ValueScale / Money::Scale);
    int power = 0;
    while (numerator % denominator != 0 && power < kMaxPower) {
        numerator *= 10;
        ++power;
    }
    if (numerator % denominator != 0)
        return Fail(QStringLiteral("курс %1 за %2 ед. нельзя точно выразить за %3 ед. валюты %4")
                        .arg(QString::number(double(rate.Value) / RateInput::ValueScale, 'f', 8))
                        .arg(rate.Nominal)
                        .arg(currency->Quantity)
                        .arg(code));
    if (numerator / denominator > kMaxRaw)
        return Fail(QStringLiteral("курс валюты %1 слишком велик").arg(code));
    const qint64 raw = qint64(numerator / denominator);
    if (power > 0 && !Rescale(*currency, power, report)) return false;

    // One search of the days serves the entry of that date and the place of a new one.
    const auto at = currency->Days.lower_bound(rate.Day);
    const bool dayKnown = at != currency->Days.end() && at->first == rate.Day;
    if (dayKnown && at->second.Exact != Currency::None) {
        Currency::Entry& e = currency->Entries[at->second.Exact];
        if (e.Read.RateValid && e.Read.Rate.Raw() == raw) {
            ++unchanged_;
            return true;
        }
        report << QStringLiteral("Курс валюты %1 на %2 заменён: %3 → %4")
                      .arg(code, DayText(rate.Day), Value(e.Node, "Rate"), RateText(raw));
        Set(e.Node, "Rate", RateText(raw));
        e.Read.Rate = Money::FromRaw(raw);
        e.Read.RateValid = true;
        ++replaced_;
        return true;
    }
    const pugi::xml_node later = currency->FirstLater(rate.Day, at);
    pugi::xml_node node =
        later ? currency->Node.insert_child_before("Rate", later) : currency->Node.append_child("Rate");
    Set(node, "Date", DayText(rate.Day));
    Set(node, "Rate", RateText(raw));
    CurrencyRateEntry read;
    read.Day = rate.Day;
    read.DayExact = true;
    read.Rate = Money::FromRaw(raw);
    read.RateValid = true;
    if (dayKnown)
        at->second.Exact = currency->Entries.size();
    else
        currency->Days.emplace_hint(at, rate.Day, Currency::Day{currency->Entries.size(), node});
    currency->Entries.push_back({read, node});
    ++added_;
    return true;
}

void RatesDocument::SortByName() {
    std::vector<pugi::xml_node> nodes;
    for (const pugi::xml_node& node : document_.document_element().children())
        if (node.type() == pugi::node_element) nodes.push_back(node);
    std::stable_sort(nodes.begin(), nodes.end(), [](const pugi::xml_node& a, const pugi::xml_node& b) {
        return Value(a, "Name").toLower() < Value(b, "Name").toLower();
    });
    for (const pugi::xml_node& node : nodes)
        document_.document_element().append_move(node);
}

QByteArray RatesDocument::Serialize() const {
    return ReferenceXml::SerializeCp1251(document_);
}

QString RatesDocument::RateText(qint64 raw) {
    return QStringLiteral("%1.%2").arg(raw / Money::Scale).arg(raw % Money::Scale, 4, 10, QLatin1Char('0'));
}
