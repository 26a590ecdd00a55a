// The document's header: file identifier, document attributes, taxpayer and signer blocks, and the
// whole body of an estimated-income return.
#include "export/ExportGroups.h"
#include "export/ExportText.h"
#include "records/Declaration.h"

namespace ExportGroups {

namespace {

// The taxpayer's category as the document codes it; an estimated-income return knows only the first four.
QString CategoryCode(quint8 category, bool estimatedIncome) {
    switch (category) {
    case 0:
        return QStringLiteral("720");
    case 1:
        return QStringLiteral("770");
    case 2:
        return QStringLiteral("730");
    case 3:
        return QStringLiteral("740");
    case 4:
        return estimatedIncome ? QStringLiteral("000") : QStringLiteral("750");
    default:
        return estimatedIncome ? QStringLiteral("000") : QStringLiteral("760");
    }
}

bool SignedByRepresentative(const mTDeclaration& d) {
    return d.SignerKind == 1 || d.SignerKind == 2;
}

// The text before the first blank, at most 60 characters, trimmed; the whole text when it has no blank.
QString FirstWord(const QString& text) {
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    return blank < 0 ? text : text.left(blank).left(60).trimmed();
}

QString BlankWhenEmpty(const QString& text) {
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

void WriteName(ExportElement name, const mTPersonInformation& p) {
    name.Set("Фамилия", p.SurName).Set("Имя", p.FirstName).SetIfNotBlank("Отчество", p.Patronymic);
}

void WriteIdentityDocument(ExportElement parent, const mTPersonInformation& p) {
    parent.Add("УдЛичн")
        .Set("КодВидДок", ExportText::TwoDigits(p.DocTypeCode))
        .Set("СерНомДок", p.DocSerial)
        .Date("ДатаДок", p.DocIssueDate)
        .Set("ВыдДок", p.DocIssuedBy);
}

QString CitizenshipCountry(const mTPersonInformation& p) {
    return ExportText::ThreeCharCode(ExportText::IsBlank(p.CountryCode) ? QStringLiteral("643")
                                                                        : p.CountryCode);
}

void WriteTaxpayer3(const mTDeclaration& d, ExportElement taxpayer) {
    const mTPersonInformation& p = d.Person;
    ExportElement person = taxpayer.Add("НПФЛ3");
    person.Set("ОКАТО", p.OKATO);
    if (!p.HomePhone.isEmpty()) person.Set("Тлф", p.HomePhone);
    person.Set("ДокПредст", CategoryCode(d.PayerCategory, false))
        .Set("Статус", d.ReturnKind == ReturnKind3NDFL ? QStringLiteral("1") : QStringLiteral("2"))
        .SetIfNotBlank("АдрИно", p.ForeignAddress);

    WriteName(person.Add("ФИОФЛ"), p);

    ExportElement address = person.Add("СвАдрРФ");
    address.Set("ПрАдр", p.StayAddress ? QStringLiteral("2") : QStringLiteral("1"));
    address.Add("АдрРФ")
        .SetIfNotBlank("Индекс", p.PostIndex)
        .Set("КодРегион", ExportText::TwoDigits(p.RegionCode))
        .SetIfNotBlank("Район", p.District)
        .SetIfNotBlank("Город", p.City)
        .SetIfNotBlank("НаселПункт", p.Locality)
        .SetIfNotBlank("Улица", p.Street)
        .SetIfNotBlank("Дом", p.House)
        .SetIfNotBlank("Корпус", p.Building)
        .SetIfNotBlank("Кварт", p.Flat);

    if (!ExportText::IsBlank(p.INN)) {
        ExportElement data = person.Add("СведФЛ1");
        data.Set("ИННФЛ", p.INN)
            .Date("ДатаРожд", p.BirthDate)
            .SetIfNotBlank("МестоРожд", p.BirthPlace)
            .Set("ПрГражд", p.CitizenshipSign)
            .Set("ОКСМ", CitizenshipCountry(p));
        if (p.DocTypeCode != 0) WriteIdentityDocument(data, p);
    } else {
        // Without an INN the identity document is the only way to identify the taxpayer.
        ExportElement data = person.Add("СведФЛ2");
        data.Date("ДатаРожд", p.BirthDate)
            .Set("МестоРожд", p.BirthPlace)
            .Set("ПрГражд", p.CitizenshipSign)
            .Set("ОКСМ", CitizenshipCountry(p));
        WriteIdentityDocument(data, p);
    }
}

void WriteTaxpayer4(const mTDeclaration& d, ExportElement taxpayer) {
    const mTPersonInformation& p = d.Person;
    ExportElement person = taxpayer.Add("НПФЛ");
    person.Set("ДокПредст", CategoryCode(d.PayerCategory, true))
        .Set("ИННФЛ", p.INN)
        .Set("ОКАТО", p.OKATO)
        .SetIfNotBlank("Тлф", p.HomePhone);
    WriteName(person.Add("ФИО"), p);
}

} // namespace

bool IsEstimatedIncome(const mTDeclaration& declaration) {
    return declaration.ReturnKind == ReturnKind4NDFL;
}

QString FileIdentifier(const mTDeclaration& d, const ExportStamp& stamp) {
    const bool estimated = IsEstimatedIncome(d);
    QString inn = d.Person.INN;
    // A return of income stands in zeros for a missing INN; an estimated-income return always has one.
    if (!estimated && ExportText::IsBlank(inn)) inn = QStringLiteral("000000000000");
    return (estimated ? QStringLiteral("NO_NDFL4_") : QStringLiteral("NO_NDFL3_")) + d.InspectionCode +
           QLatin1Char('_') + d.InspectionCode + QLatin1Char('_') + inn + QLatin1Char('_') +
           stamp.Date.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('_') + stamp.Guid;
}

RepresentativeNameParts SplitRepresentativeName(const QString& fullName) {
    const QString text = fullName.trimmed();
    RepresentativeNameParts parts;
    parts.SurName = BlankWhenEmpty(FirstWord(text));
    const QString rest = text.mid(parts.SurName.size(), 1000).trimmed();
    parts.FirstName = BlankWhenEmpty(FirstWord(rest));
    parts.Patronymic = rest.mid(parts.FirstName.size(), 60).trimmed();
    return parts;
}

void WriteDocumentAttributes(const ExportContext& context, ExportElement document, const ExportStamp& stamp) {
    const mTDeclaration& d = context.Declaration;
    const bool estimated = IsEstimatedIncome(d);
    document.Set("КНД", estimated ? QStringLiteral("1151021") : QStringLiteral("1151020"))
        .Set("ДатаДок", stamp.Date.toString(QStringLiteral("dd.MM.yyyy")));
    if (!estimated) document.Set("Период", QStringLiteral("34"));
    document.Set("ОтчетГод", estimated ? QStringLiteral("2011") : QStringLiteral("2010"))
        .Set("КодНО", d.InspectionCode)
        .Set("НомКорр", QString::number(quint32(d.CorrectionNumber)));
}

void WriteTaxpayer(const ExportContext& context, ExportElement document) {
    ExportElement taxpayer = document.Add("СвНП");
    if (IsEstimatedIncome(context.Declaration))
        WriteTaxpayer4(context.Declaration, taxpayer);
    else
        WriteTaxpayer3(context.Declaration, taxpayer);
}

void WriteSigner(const ExportContext& context, ExportElement document) {
    const mTDeclaration& d = context.Declaration;
    const bool representative = SignedByRepresentative(d);
    ExportElement signer = document.Add("Подписант");
    signer.Set("ПрПодп", representative ? QStringLiteral("2") : QStringLiteral("1"));
    if (!representative) return;
    const RepresentativeNameParts name = SplitRepresentativeName(d.RepresentativeName);
    ExportElement fio = signer.Add("ФИО");
    fio.Set("Фамилия", name.SurName).Set("Имя", name.FirstName);
    if (!name.Patronymic.isEmpty()) fio.Set("Отчество", name.Patronymic);
    signer.Add("СвПред")
        .Set("НаимДок", d.RepresentativeDocument)
        .SetIfNotBlank("НаимОрг", d.RepresentativeOrg);
}

void WriteEstimatedIncome(const ExportContext& context, ExportElement document) {
    document.Add("НДФЛ4").Whole("ПредДоход", context.Declaration.EstimatedIncome);
}

} // namespace ExportGroups
