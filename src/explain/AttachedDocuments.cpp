#include "explain/AttachedDocuments.h"

#include "records/Declaration.h"

#include <functional>

namespace {

using Documents = QList<AttachedDocument>;

template <class Source> QString SourceTitle(const Source& source, int number) {
    const QString name = source.SourceName.trimmed();
    return name.isEmpty() ? QStringLiteral("Источник выплаты № %1").arg(number) : name;
}

// A source in the Russian Federation: its tax agent gives the income certificate, one for all the rates
// it paid at; a payer who is no agent (a private buyer) leaves the contract as the proof of the income.
template <class List> void RussianSources(const List& list, Documents& out) {
    int number = 0;
    for (const auto& source : list) {
        const bool agent = !source->SourceINN.trimmed().isEmpty();
        const AttachedDocument document{
            agent ? QStringLiteral("Справка о доходах физического лица по форме 2-НДФЛ")
                  : QStringLiteral("Договор или другой документ, подтверждающий получение дохода"),
            SourceTitle(*source, ++number)};
        if (!out.contains(document)) out.append(document);
    }
}

// One rule: when it applies, the documents it asks for, each for what.
struct DocumentRule {
    std::function<bool(const mTDeclaration&)> Applies;
    QString For;
    QStringList Titles;
};

const QString PaymentProof = QStringLiteral("Документы об оплате (чеки, квитанции, платёжные поручения)");

// Deductions and what each asks for (ст. 218–220 НК РФ). Rules over a list of records are in code
// below; everything else is a row here.
const std::vector<DocumentRule>& DeductionRules() {
    static const std::vector<DocumentRule> rules = {
        {[](const mTDeclaration& d) {
             const mTStandartDeduct& s = d.StandardDeduction;
             return s.GrantStandard && !s.PersonalCombination &&
                    (s.PersonalCode == 104 || s.PersonalCode == 105);
         },
         QStringLiteral("Стандартный вычет на налогоплательщика"),
         {QStringLiteral(
             "Документ, подтверждающий право на вычет 500 или 3000 рублей (удостоверение, справка)")}},
        {[](const mTDeclaration& d) {
             const mTStandartDeduct& s = d.StandardDeduction;
             if (!s.GrantStandard) return false;
             if (s.ChildrenCount > 0 || s.DisabledCount > 0) return true;
             for (int m = 0; m < 12; ++m)
                 if (s.ChildrenByMonth[size_t(m)] > 0 || s.DisabledByMonth[size_t(m)] > 0) return true;
             return false;
         },
         QStringLiteral("Стандартный вычет на детей"),
         {QStringLiteral("Свидетельство о рождении ребёнка"),
          QStringLiteral("Справка об обучении по очной форме (для ребёнка старше 18 лет)")}},
        {[](const mTDeclaration& d) {
             return d.SocialDeduction.GrantSocial && !d.SocialDeduction.Charity.IsZero();
         },
         QStringLiteral("Социальный вычет на благотворительность"),
         {QStringLiteral("Документы о перечислении пожертвований (платёжные поручения, квитанции)")}},
        {[](const mTDeclaration& d) {
             return d.SocialDeduction.GrantSocial && !d.SocialDeduction.OwnEducation.IsZero();
         },
         QStringLiteral("Социальный вычет на своё обучение"),
         {QStringLiteral("Договор с образовательным учреждением"),
          QStringLiteral("Копия лицензии образовательного учреждения"), PaymentProof}},
        {[](const mTDeclaration& d) {
             return d.SocialDeduction.GrantSocial && !d.SocialDeduction.ChildEducation.empty();
         },
         QStringLiteral("Социальный вычет на обучение детей"),
         {QStringLiteral("Договор с образовательным учреждением"),
          QStringLiteral("Копия лицензии образовательного учреждения"),
          QStringLiteral("Справка об обучении ребёнка по очной форме"),
          QStringLiteral("Свидетельство о рождении ребёнка"), PaymentProof}},
        {[](const mTDeclaration& d) {
             const mTSocialDeduct& s = d.SocialDeduction;
             return s.GrantSocial && !(s.Treatment.IsZero() && s.ExpensiveTreatment.IsZero());
         },
         QStringLiteral("Социальный вычет на лечение"),
         {QStringLiteral("Договор с медицинским учреждением"),
          QStringLiteral("Копия лицензии медицинского учреждения"),
          QStringLiteral("Справка об оплате медицинских услуг для представления в налоговые органы"),
          QStringLiteral("Рецепты и документы об оплате медикаментов, если они куплены")}},
        {[](const mTDeclaration& d) {
             return d.SocialDeduction.GrantSocial && !d.SocialDeduction.VoluntaryInsurance.IsZero();
         },
         QStringLiteral("Социальный вычет на добровольное медицинское страхование"),
         {QStringLiteral("Договор добровольного медицинского страхования"), PaymentProof}},
        {[](const mTDeclaration& d) {
             const mTSocialDeduct& s = d.SocialDeduction;
             return s.GrantSocial && (!s.ExtraPensionContributions.IsZero() || !s.PensionContracts.empty());
         },
         QStringLiteral("Социальный вычет на пенсионные взносы"),
         {QStringLiteral("Договор негосударственного пенсионного обеспечения или добровольного пенсионного "
                         "страхования"),
          PaymentProof}},
        {[](const mTDeclaration& d) {
             return d.PropertyDeduction.GrantProperty && !d.PropertyDeduction.ByInvestment;
         },
         QStringLiteral("Имущественный вычет на приобретение жилья"),
         {QStringLiteral("Договор о приобретении жилья"),
          QStringLiteral("Свидетельство о государственной регистрации права собственности"),
          QStringLiteral(
              "Документы об оплате жилья (платёжные поручения, выписки банка, расписки продавца)")}},
        {[](const mTDeclaration& d) {
             return d.PropertyDeduction.GrantProperty && d.PropertyDeduction.ByInvestment;
         },
         QStringLiteral("Имущественный вычет на строительство жилья"),
         {QStringLiteral("Договор участия в долевом строительстве"), QStringLiteral("Акт о передаче жилья"),
          QStringLiteral("Документы об оплате жилья (платёжные поручения, выписки банка)")}},
        {[](const mTDeclaration& d) {
             return d.PropertyDeduction.GrantProperty && !d.PropertyDeduction.CreditInterest.IsZero();
         },
         QStringLiteral("Имущественный вычет: проценты по кредиту"),
         {QStringLiteral("Кредитный договор или договор займа"),
          QStringLiteral("Справка банка об уплаченных процентах")}},
        {[](const mTDeclaration& d) {
             return d.PropertyDeduction.GrantProperty && d.PropertyDeduction.OwnershipKind == 3;
         },
         QStringLiteral("Имущественный вычет: общая совместная собственность"),
         {QStringLiteral("Заявление супругов о распределении имущественного вычета"),
          QStringLiteral("Свидетельство о браке")}},
    };
    return rules;
}

} // namespace

QList<AttachedDocument> AttachedDocuments(const mTDeclaration& d) {
    Documents out;
    // A 4-NDFL return declares the income expected: nothing to prove yet.
    if (d.ReturnKind == ReturnKind4NDFL) return out;
    const bool nonResident = d.ReturnKind == ReturnKind3NDFLNonResident;
    if (d.IncomeKinds & IncomeRussia) {
        // A non-resident's list of 13 % sources holds the 30 % ones; the 13 % ones have their own.
        RussianSources(d.IncomeSources13, out);
        if (nonResident) RussianSources(d.IncomeSources13NR, out);
        RussianSources(d.IncomeSources30, out);
        RussianSources(d.IncomeSources35, out);
    }
    if (d.IncomeKinds & IncomeForeign) {
        int number = 0;
        for (const auto& income : d.CurrencyIncomes) {
            const QString source = SourceTitle(*income, ++number);
            out.append(
                {QStringLiteral("Документ о доходе, полученном за пределами Российской Федерации"), source});
            // The tax paid abroad is credited only on the foreign tax office's confirmation (ст. 232 НК РФ).
            if (!income->TaxCurrency.IsZero() || !income->TaxRoubles.IsZero())
                out.append({QStringLiteral("Документ об уплате налога за рубежом, подтверждённый налоговым "
                                           "органом иностранного государства"),
                            source});
        }
    }
    if (d.IncomeKinds & IncomeBusiness) {
        bool documented = false;
        for (const auto& activity : d.BusinessIncomes)
            documented = documented || activity->HasDocumentedExpenses;
        if (documented)
            out.append({QStringLiteral("Документы, подтверждающие расходы"),
                        QStringLiteral("Профессиональный вычет предпринимателя")});
    }
    // Deductions are claimed only on a resident's 3-NDFL return.
    if (d.IncomeKinds != 0 && d.ReturnKind == ReturnKind3NDFL)
        for (const DocumentRule& rule : DeductionRules())
            if (rule.Applies(d))
                for (const QString& title : rule.Titles)
                    out.append({title, rule.For});
    return out;
}

QString AttachedDocumentsText(const QList<AttachedDocument>& documents) {
    QString text = QStringLiteral("Документы к декларации\n\n");
    int number = 0;
    for (const AttachedDocument& document : documents)
        text += QStringLiteral("%1. %2 — %3\n").arg(++number).arg(document.Title, document.For);
    return text;
}
