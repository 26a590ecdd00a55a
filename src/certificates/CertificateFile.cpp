#include "certificates/CertificateFile.h"

#include "storage/CodePage.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <pugixml.hpp>

namespace {

// Element and attribute names, kept in the file's own encoding so that a large file is walked without
// converting anything but the values taken.
struct Names {
    QByteArray File, Document, Year, Number, Date, Agent, Okato, AgentOrg, OrgName, OrgInn, Kpp, AgentPerson,
        PersonInn, FullName, Surname, FirstName, Patronymic, Recipient, BirthDate, Status, Income, Rate,
        IncomeDeductions, IncomeLine, Month, IncomeCode, IncomeAmount, LineDeduction, DeductionCode,
        DeductionAmount, Granted, GrantedLine, Totals, TotalIncome, TaxBase, TaxComputed, TaxWithheld;

    explicit Names(bool cp1251) {
        const auto n = [cp1251](const char* utf8) {
            const QByteArray text(utf8);
            return cp1251 ? CodePage::ToCp1251(QString::fromUtf8(text)) : text;
        };
        File = n("Файл");
        Document = n("Документ");
        Year = n("ОтчетГод");
        Number = n("НомСпр");
        Date = n("ДатаДок");
        Agent = n("СвНА");
        Okato = n("ОКАТО");
        AgentOrg = n("СвНАЮЛ");
        OrgName = n("НаимОрг");
        OrgInn = n("ИННЮЛ");
        Kpp = n("КПП");
        AgentPerson = n("СвНАФЛ");
        PersonInn = n("ИННФЛ");
        FullName = n("ФИО");
        Surname = n("Фамилия");
        FirstName = n("Имя");
        Patronymic = n("Отчество");
        Recipient = n("ПолучДох");
        BirthDate = n("ДатаРожд");
        Status = n("Статус");
        Income = n("СведДох");
        Rate = n("Ставка");
        IncomeDeductions = n("ДохВыч");
        IncomeLine = n("СвСумДох");
        Month = n("Месяц");
        IncomeCode = n("КодДоход");
        IncomeAmount = n("СумДоход");
        LineDeduction = n("СвСумВыч");
        DeductionCode = n("КодВычет");
        DeductionAmount = n("СумВычет");
        Granted = n("НалВычССИ");
        GrantedLine = n("ПредВычССИ");
        Totals = n("СумИтНалПер");
        TotalIncome = n("СумДохОбщ");
        TaxBase = n("НалБаза");
        TaxComputed = n("НалИсчисл");
        TaxWithheld = n("НалУдерж");
    }
};

enum class Encoding { Utf8, Cp1251, Unknown };

// The encoding the prolog declares (or a byte order mark shows); UTF-8 when none is declared. name: the
// declared name, for the message about an unknown one. skip: bytes of a byte order mark.
Encoding DeclaredEncoding(const QByteArray& bytes, QString& name, int& skip) {
    skip = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        skip = 3;
        return Encoding::Utf8;
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        name = QStringLiteral("UTF-16");
        return Encoding::Unknown;
    }
    if (!bytes.startsWith("<?xml")) return Encoding::Utf8;
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0 || end > 1024) return Encoding::Utf8; // no prolog to speak of: the parser says what is wrong
    static const QRegularExpression encoding(QStringLiteral("encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const QRegularExpressionMatch m = encoding.match(QString::fromLatin1(bytes.left(end)));
    if (!m.hasMatch()) return Encoding::Utf8;
    name = m.captured(1);
    const QString lower = name.trimmed().toLower();
    if (lower == QLatin1String("windows-1251") || lower == QLatin1String("cp1251")) return Encoding::Cp1251;
    if (lower == QLatin1String("utf-8") || lower == QLatin1String("utf8")) return Encoding::Utf8;
    return Encoding::Unknown;
}

// True when bytes are well-formed UTF-8.
bool IsUtf8(const char* p, qsizetype size) {
    const auto* s = reinterpret_cast<const unsigned char*>(p);
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        unsigned min = 0;
        unsigned code = 0;
        if ((c & 0xE0) == 0xC0) {
            more = 1, min = 0x80, code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2, min = 0x800, code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3, min = 0x10000, code = c & 0x07;
        } else {
            return false;
        }
        if (i + more >= size) return false;
        for (int k = 1; k <= more; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) return false;
            code = (code << 6) | (s[i + k] & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += more + 1;
    }
    return true;
}

// The predefined entities and character references of an attribute value (the parser leaves them, so
// that a character reference cannot mix encodings in a windows-1251 file).
QString Unescaped(const QString& text) {
    if (!text.contains(QLatin1Char('&'))) return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype semicolon = text[i] == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i) : -1;
        if (semicolon < 0 || semicolon - i > 10) {
            out += text[i];
            continue;
        }
        const QStringView name = QStringView(text).mid(i + 1, semicolon - i - 1);
        char32_t c = 0;
        if (name == u"lt")
            c = '<';
        else if (name == u"gt")
            c = '>';
        else if (name == u"amp")
            c = '&';
        else if (name == u"quot")
            c = '"';
        else if (name == u"apos")
            c = '\'';
        else if (name.startsWith(u"#x") || name.startsWith(u"#X"))
            c = char32_t(name.mid(2).toUInt(nullptr, 16));
        else if (name.startsWith(u"#"))
            c = char32_t(name.mid(1).toUInt());
        if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out += text[i]; // not a reference we know: kept as written
            continue;
        }
        out += QString::fromUcs4(&c, 1);
        i = semicolon;
    }
    return out;
}

QString ParseErrorText(pugi::xml_parse_status status) {
    switch (status) {
    case pugi::status_no_document_element:
        return QStringLiteral("в файле нет XML-документа");
    case pugi::status_end_element_mismatch:
        return QStringLiteral("файл обрывается или теги не закрыты");
    case pugi::status_bad_attribute:
        return QStringLiteral("неправильный атрибут");
    case pugi::status_bad_start_element:
    case pugi::status_bad_end_element:
    case pugi::status_unrecognized_tag:
        return QStringLiteral("неправильный тег");
    default:
        return QStringLiteral("нарушена разметка XML");
    }
}

// A money value of the certificate: a decimal with "." that is not negative.
bool ReadAmount(const QString& text, Money& out) {
    if (text.trimmed().isEmpty()) {
        out = Money();
        return true;
    }
    return Money::FromText(text, QLatin1Char('.'), out) && !(out < Money());
}

} // namespace

struct TIncomeCertificateFile::Parsed {
    explicit Parsed(bool cp1251) : Cp1251(cp1251), N(cp1251) {}

    QString Value(pugi::xml_node node, const QByteArray& attribute) const {
        const pugi::xml_attribute a = node.attribute(attribute.constData());
        const char* v = a.value();
        const qsizetype size = qsizetype(strlen(v));
        if (size == 0) return {};
        return Unescaped(Cp1251 ? CodePage::FromCp1251(v, size) : QString::fromUtf8(v, size)).trimmed();
    }
    QString NameText(const QByteArray& name) const {
        return Cp1251 ? CodePage::FromCp1251(name) : QString::fromUtf8(name);
    }
    pugi::xml_node Child(pugi::xml_node node, const QByteArray& name) const {
        return node.child(name.constData());
    }

    CertificatePerson Person(pugi::xml_node document) const {
        CertificatePerson person;
        const pugi::xml_node recipient = Child(document, N.Recipient);
        person.Inn = Value(recipient, N.PersonInn);
        person.BirthDateText = Value(recipient, N.BirthDate);
        person.BirthDate = QDate::fromString(person.BirthDateText, QStringLiteral("dd.MM.yyyy"));
        person.Status = Value(recipient, N.Status).toInt();
        const pugi::xml_node name = Child(recipient, N.FullName);
        person.Surname = Value(name, N.Surname);
        person.Name = Value(name, N.FirstName);
        person.Patronymic = Value(name, N.Patronymic);
        return person;
    }

    const bool Cp1251;
    const Names N;
    QByteArray Bytes;
    pugi::xml_document Document;
    std::vector<pugi::xml_node> Documents; // the certificates, in file order
};

QString CertificatePerson::FullName() const {
    QStringList parts;
    for (const QString& part : {Surname, Name, Patronymic})
        if (!part.isEmpty()) parts << part;
    return parts.join(QLatin1Char(' '));
}

QString CertificatePerson::Description() const {
    QStringList parts{FullName().isEmpty() ? QStringLiteral("без имени") : FullName()};
    if (!BirthDateText.isEmpty()) parts << QStringLiteral("дата рождения ") + BirthDateText;
    parts << (Inn.isEmpty() ? QStringLiteral("без ИНН") : QStringLiteral("ИНН ") + Inn);
    return parts.join(QStringLiteral(", "));
}

QString IncomeCertificate::Label() const {
    return Number.isEmpty() ? QStringLiteral("справка %1 в файле").arg(Position)
                            : QStringLiteral("справка № %1").arg(Number);
}

TIncomeCertificateFile::TIncomeCertificateFile() = default;
TIncomeCertificateFile::~TIncomeCertificateFile() = default;

bool TIncomeCertificateFile::Fail(const QString& message) {
    error_ = message;
    parsed_.reset();
    return false;
}

bool TIncomeCertificateFile::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("Не удалось открыть файл %1: %2").arg(path, file.errorString()));
    if (file.size() > MaxFileSize)
        return Fail(QStringLiteral("Файл %1 слишком велик для файла справок (больше %2 МБ).")
                        .arg(path)
                        .arg(MaxFileSize / (1024 * 1024)));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Fail(QStringLiteral("Не удалось прочитать файл %1: %2").arg(path, file.errorString()));
    return LoadFromBytes(std::move(bytes));
}

bool TIncomeCertificateFile::LoadFromBytes(QByteArray bytes) {
    parsed_.reset();
    error_.clear();
    if (bytes.size() > MaxFileSize)
        return Fail(QStringLiteral("Файл слишком велик для файла справок (больше %1 МБ).")
                        .arg(MaxFileSize / (1024 * 1024)));
    QString encodingName;
    int skip = 0;
    const Encoding encoding = DeclaredEncoding(bytes, encodingName, skip);
    if (encoding == Encoding::Unknown)
        return Fail(QStringLiteral("Неизвестная кодировка файла справок «%1». Загружаются файлы в кодировке "
                                   "windows-1251 или UTF-8.")
                        .arg(encodingName));
    if (encoding == Encoding::Utf8 && !IsUtf8(bytes.constData() + skip, bytes.size() - skip))
        return Fail(QStringLiteral("Файл справок не в кодировке UTF-8, хотя не объявляет другой; "
                                   "загружаются файлы в кодировке windows-1251 или UTF-8."));

    parsed_ = std::make_unique<Parsed>(encoding == Encoding::Cp1251);
    parsed_->Bytes = std::move(bytes);
    char* data = parsed_->Bytes.data() + skip; // detaches: the parser writes into its buffer
    // Neither escapes nor entities are expanded by the parser; a document type is kept only to refuse it.
    const pugi::xml_parse_result result =
        parsed_->Document.load_buffer_inplace(data, size_t(parsed_->Bytes.size() - skip),
                                              pugi::parse_minimal | pugi::parse_doctype, pugi::encoding_utf8);
    if (!result)
        return Fail(QStringLiteral("Файл справок поврежден или не является XML-документом: %1 (байт %2).")
                        .arg(ParseErrorText(result.status))
                        .arg(qint64(result.offset) + skip));
    for (pugi::xml_node node = parsed_->Document.first_child(); node; node = node.next_sibling())
        if (node.type() == pugi::node_doctype)
            return Fail(QStringLiteral("Файл справок содержит объявление типа документа (DOCTYPE); такие "
                                       "файлы не загружаются."));
    const Names& n = parsed_->N;
    const pugi::xml_node root = parsed_->Document.document_element();
    if (n.File != root.name())
        return Fail(QStringLiteral("Это не файл справок 2-НДФЛ: в нем нет элемента «Файл»."));
    int position = 0;
    for (pugi::xml_node document = root.child(n.Document.constData()); document;
         document = document.next_sibling(n.Document.constData())) {
        ++position;
        if (!document.child(n.Recipient.constData())) {
            IncomeCertificate label;
            label.Position = position;
            label.Number = parsed_->Value(document, n.Number);
            return Fail(QStringLiteral("В файле справок %1 без сведений о получателе дохода (ПолучДох).")
                            .arg(label.Label()));
        }
        parsed_->Documents.push_back(document);
    }
    if (parsed_->Documents.empty())
        return Fail(QStringLiteral("В файле нет ни одной справки 2-НДФЛ (элемента «Документ»)."));
    return true;
}

CertificatePerson TIncomeCertificateFile::Person(int i) const {
    return parsed_->Person(parsed_->Documents[size_t(i)]);
}

int TIncomeCertificateFile::Year(int i) const {
    return parsed_->Value(parsed_->Documents[size_t(i)], parsed_->N.Year).toInt();
}

bool TIncomeCertificateFile::Read(int i, IncomeCertificate& c) {
    const Parsed& p = *parsed_;
    const Names& n = p.N;
    const pugi::xml_node document = p.Documents[size_t(i)];
    c = IncomeCertificate();
    c.Position = i + 1;
    c.Number = p.Value(document, n.Number);
    c.Date = p.Value(document, n.Date);
    c.Year = p.Value(document, n.Year).toInt();
    c.Person = p.Person(document);

    const pugi::xml_node agent = p.Child(document, n.Agent);
    c.Agent.Okato = p.Value(agent, n.Okato);
    if (const pugi::xml_node org = p.Child(agent, n.AgentOrg)) {
        c.Agent.Name = p.Value(org, n.OrgName);
        c.Agent.Inn = p.Value(org, n.OrgInn);
        c.Agent.Kpp = p.Value(org, n.Kpp);
    } else if (const pugi::xml_node person = p.Child(agent, n.AgentPerson)) {
        c.Agent.Inn = p.Value(person, n.PersonInn);
        const pugi::xml_node name = p.Child(person, n.FullName);
        CertificatePerson named;
        named.Surname = p.Value(name, n.Surname);
        named.Name = p.Value(name, n.FirstName);
        named.Patronymic = p.Value(name, n.Patronymic);
        c.Agent.Name = named.FullName();
    }

    const auto amount = [&](pugi::xml_node node, const QByteArray& attribute, int rate, Money& out) {
        const QString text = p.Value(node, attribute);
        if (ReadAmount(text, out)) return true;
        error_ = QStringLiteral("В файле справок %1, ставка %2 %: сумма «%3» (%4) не является "
                                "неотрицательным числом.")
                     .arg(c.Label())
                     .arg(rate)
                     .arg(text, p.NameText(attribute));
        return false;
    };
    const auto code = [&](pugi::xml_node node, const QByteArray& attribute, int rate, qint32& out) {
        const QString text = p.Value(node, attribute);
        bool ok = text.isEmpty();
        out = ok ? 0 : text.toInt(&ok);
        if (ok && out >= 0) return true;
        error_ = QStringLiteral("В файле справок %1, ставка %2 %: код «%3» не является числом.")
                     .arg(c.Label())
                     .arg(rate)
                     .arg(text);
        return false;
    };

    for (pugi::xml_node income = p.Child(document, n.Income); income;
         income = income.next_sibling(n.Income.constData())) {
        CertificateRateBlock block;
        const QString rateText = p.Value(income, n.Rate);
        block.Rate = rateText.toInt();
        if (block.Rate != 13 && block.Rate != 30 && block.Rate != 35 && block.Rate != 9 && block.Rate != 15) {
            error_ = QStringLiteral("В файле справок %1: неизвестная ставка «%2».").arg(c.Label(), rateText);
            return false;
        }
        for (pugi::xml_node line = p.Child(p.Child(income, n.IncomeDeductions), n.IncomeLine); line;
             line = line.next_sibling(n.IncomeLine.constData())) {
            CertificateIncomeLine l;
            const QString month = p.Value(line, n.Month);
            bool ok = false;
            const int m = month.toInt(&ok);
            if (!ok || m < 1 || m > 12) {
                error_ = QStringLiteral("В файле справок %1, ставка %2 %: месяц «%3» вне диапазона 1–12.")
                             .arg(c.Label())
                             .arg(block.Rate)
                             .arg(month);
                return false;
            }
            l.Month = quint16(m);
            if (!code(line, n.IncomeCode, block.Rate, l.IncomeCode) ||
                !amount(line, n.IncomeAmount, block.Rate, l.Income))
                return false;
            // A line has one deduction code; several entries under it add up.
            for (pugi::xml_node deduction = p.Child(line, n.LineDeduction); deduction;
                 deduction = deduction.next_sibling(n.LineDeduction.constData())) {
                qint32 deductionCode = 0;
                Money deductionAmount;
                if (!code(deduction, n.DeductionCode, block.Rate, deductionCode) ||
                    !amount(deduction, n.DeductionAmount, block.Rate, deductionAmount))
                    return false;
                if (l.DeductionCode == 0) l.DeductionCode = deductionCode;
                l.Deduction += deductionAmount;
            }
            block.Lines.append(l);
        }
        for (pugi::xml_node granted = p.Child(p.Child(income, n.Granted), n.GrantedLine); granted;
             granted = granted.next_sibling(n.GrantedLine.constData())) {
            CertificateDeduction d;
            if (!code(granted, n.DeductionCode, block.Rate, d.Code) ||
                !amount(granted, n.DeductionAmount, block.Rate, d.Amount))
                return false;
            block.Deductions.append(d);
        }
        const pugi::xml_node totals = p.Child(income, n.Totals);
        if (!amount(totals, n.TotalIncome, block.Rate, block.IncomeTotal) ||
            !amount(totals, n.TaxBase, block.Rate, block.TaxBase) ||
            !amount(totals, n.TaxComputed, block.Rate, block.TaxComputed) ||
            !amount(totals, n.TaxWithheld, block.Rate, block.TaxWithheld))
            return false;
        c.Rates.append(block);
    }
    return true;
}

int TIncomeCertificateFile::Count() const {
    return parsed_ ? int(parsed_->Documents.size()) : 0;
}
