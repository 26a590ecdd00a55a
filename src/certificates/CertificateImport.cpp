#include "certificates/CertificateImport.h"

#include "certificates/CertificateFile.h"
#include "explain/ExplainText.h"
#include "records/Declaration.h"
#include "reference/IncomeDictionary.h"

#include <optional>

namespace {

constexpr int CertificateYear = 2010;
// The dividends screen gives every dividend source this income code.
constexpr qint32 DividendCode = 1010;

// The list a kind of return keeps income at a rate in; none when it keeps none.
std::optional<ListLimits::List> ListOf(quint8 returnKind, int rate) {
    using L = ListLimits::List;
    if (returnKind == ReturnKind3NDFL) {
        if (rate == 13) return L::IncomeSources13;
        if (rate == 9) return L::IncomeSources30;
        if (rate == 35) return L::IncomeSources35;
    } else if (returnKind == ReturnKind3NDFLNonResident) {
        if (rate == 30) return L::IncomeSources13;
        if (rate == 13) return L::IncomeSources13NR;
        if (rate == 15) return L::IncomeSources30;
    }
    return std::nullopt;
}

QString NoListMessage(const QString& certificate, quint8 returnKind, int rate) {
    const QString kind =
        returnKind == ReturnKind3NDFL ? QStringLiteral("резидента") : QStringLiteral("нерезидента");
    return QStringLiteral("В файле справок %1 с доходом по ставке %2 %, а в декларации %3 такого дохода нет. "
                          "Проверьте вид декларации на экране «Условия».")
        .arg(certificate)
        .arg(rate)
        .arg(kind);
}

QString LineCountText(int n) {
    const int tens = n % 100, ones = n % 10;
    const char* word = (tens >= 11 && tens <= 14) ? "строк"
                       : ones == 1                ? "строка"
                       : (ones >= 2 && ones <= 4) ? "строки"
                                                  : "строк";
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(word));
}

// Tax is given in whole roubles; kopecks show only when there are any.
QString TaxText(Money amount) {
    QString text = GroupedAmountText(amount);
    if (text.endsWith(QLatin1String(",00"))) text.chop(3);
    return text;
}

// Calls visit with the list of the declaration that list names.
template <class Declaration, class Visit>
void VisitList(Declaration& d, ListLimits::List list, Visit&& visit) {
    switch (list) {
    case ListLimits::List::IncomeSources13NR:
        visit(d.IncomeSources13NR);
        break;
    case ListLimits::List::IncomeSources30:
        visit(d.IncomeSources30);
        break;
    case ListLimits::List::IncomeSources35:
        visit(d.IncomeSources35);
        break;
    default:
        visit(d.IncomeSources13);
        break;
    }
}

template <class Record> int CountMatches(const mTRecordList<Record>& list, const CertificateAgent& agent) {
    int n = 0;
    for (const Record* r : list)
        n += r->SourceINN == agent.Inn && r->SourceKPP == agent.Kpp ? 1 : 0;
    return n;
}

template <class Record> void SetAgent(Record& record, const CertificateAgent& agent) {
    record.SourceINN = agent.Inn;
    record.SourceKPP = agent.Kpp;
    record.SourceOKATO = agent.Okato;
    record.SourceName = agent.Name;
}

// Puts the new records of an agent where its old ones were: the first old one is replaced, the other old
// ones go; new records beyond the old ones are appended.
template <class Record>
void PutInPlace(mTRecordList<Record>& list, const CertificateAgent& agent,
                std::vector<std::unique_ptr<Record>> records) {
    QList<int> old;
    for (int i = 0; i < list.Count(); ++i)
        if (list.At(i)->SourceINN == agent.Inn && list.At(i)->SourceKPP == agent.Kpp) old.append(i);
    size_t next = 0;
    if (!old.isEmpty() && next < records.size()) list.Replace(old.takeFirst(), std::move(records[next++]));
    for (auto i = old.size(); i-- > 0;)
        list.Delete(old[i]);
    for (; next < records.size(); ++next)
        list.Add(std::move(records[next]));
}

mTRecordList<mTThirteenPercent>& LinesList(mTDeclaration& d, ListLimits::List list) {
    return list == ListLimits::List::IncomeSources13NR ? d.IncomeSources13NR : d.IncomeSources13;
}

} // namespace

QString PlannedSource::Summary() const {
    QString agent = Agent.Name.isEmpty() ? QStringLiteral("источник выплаты") : Agent.Name;
    if (!Agent.Inn.isEmpty()) agent += QStringLiteral(" (ИНН %1)").arg(Agent.Inn);
    return QStringLiteral("%1, ставка %2 %, %3, доход %4, налог удержан %5")
        .arg(agent)
        .arg(Rate)
        .arg(LineCountText(CertificateLines), GroupedAmountText(Income), TaxText(TaxWithheld));
}

bool TCertificateImport::Fail(const QString& message) {
    error_ = message;
    sources_.clear();
    standard_ = {};
    return false;
}

bool TCertificateImport::HasDuplicates() const {
    for (const PlannedSource& s : sources_)
        if (s.Duplicate) return true;
    return false;
}

bool TCertificateImport::Plan(TIncomeCertificateFile& file, const QList<int>& certificates,
                              const mTDeclaration& declaration) {
    sources_.clear();
    standard_ = {};
    error_.clear();
    if (declaration.ReturnKind == ReturnKind4NDFL)
        return Fail(QStringLiteral("В декларацию по форме 4-НДФЛ справки о доходах не загружаются."));
    for (int position : certificates) {
        IncomeCertificate certificate;
        if (!file.Read(position, certificate)) return Fail(file.ErrorString());
        if (certificate.Year != CertificateYear)
            return Fail(QStringLiteral("В файле справок %1 за %2 год; загружаются только справки за %3 год.")
                            .arg(certificate.Label())
                            .arg(certificate.Year == 0 ? QStringLiteral("неуказанный")
                                                       : QString::number(certificate.Year))
                            .arg(CertificateYear));
        for (const CertificateRateBlock& block : certificate.Rates)
            if (!PlanBlock(certificate, block, declaration)) return false;
    }
    // The lists must still hold what a file may hold once the sources are in.
    for (const ListLimits::List list :
         {ListLimits::List::IncomeSources13, ListLimits::List::IncomeSources13NR,
          ListLimits::List::IncomeSources30, ListLimits::List::IncomeSources35}) {
        int count = 0;
        VisitList(declaration, list, [&](const auto& records) { count = records.Count(); });
        for (const PlannedSource& s : sources_)
            if (s.List == list && !s.Duplicate)
                count += list == ListLimits::List::IncomeSources35 ? int(s.SingleIncomes.size()) : 1;
        if (count > ListLimits::MaxCount(list))
            return Fail(ListLimits::FullMessage(list, declaration.ReturnKind));
    }
    return true;
}

bool TCertificateImport::PlanBlock(const IncomeCertificate& certificate, const CertificateRateBlock& block,
                                   const mTDeclaration& declaration) {
    if (block.Lines.isEmpty() && block.IncomeTotal.IsZero()) return true;
    const std::optional<ListLimits::List> list = ListOf(declaration.ReturnKind, block.Rate);
    if (!list) return Fail(NoListMessage(certificate.Label(), declaration.ReturnKind, block.Rate));

    PlannedSource s;
    s.List = *list;
    s.Rate = block.Rate;
    s.Agent = certificate.Agent;
    s.Certificate = certificate.Label();
    s.CertificateLines = int(block.Lines.size());
    s.TaxBase = block.TaxBase;
    s.TaxComputed = block.TaxComputed;
    s.TaxWithheld = block.TaxWithheld;
    for (const CertificateIncomeLine& line : block.Lines)
        s.Income += line.Income;
    if (block.Lines.isEmpty()) s.Income = block.IncomeTotal;

    using L = ListLimits::List;
    if (s.List == L::IncomeSources13 || s.List == L::IncomeSources13NR) {
        if (block.Lines.size() > ListLimits::MaxCount(L::IncomeLines))
            return Fail(QStringLiteral("В файле справок %1 больше строк дохода, чем может быть у источника "
                                       "выплаты. %2")
                            .arg(certificate.Label(),
                                 ListLimits::FullMessage(L::IncomeLines, declaration.ReturnKind)));
        // The non-resident specialist's lines carry neither the income's name nor a deduction percent, as
        // when they are typed.
        const bool named = s.List == L::IncomeSources13;
        const mTIncomeDictionary& dictionary = mTIncomeDictionary::Embedded();
        for (const CertificateIncomeLine& line : block.Lines) {
            mTSourseIncome l;
            l.IncomeCode = line.IncomeCode;
            l.IncomeAmount = line.Income;
            l.DeductionCode = line.DeductionCode;
            l.DeductionAmount = line.Deduction;
            l.Month = line.Month;
            if (named) {
                const QString code = QString::number(line.IncomeCode);
                if (const IncomeEntry* income = dictionary.FindIncome(code)) l.IncomeCodeName = income->Name;
                if (const DeductionEntry* deduction =
                        dictionary.FindDeduction(code, QString::number(line.DeductionCode)))
                    l.DeductionPercent = line.DeductionCode == 0 ? 0 : deduction->Percent;
            }
            s.Lines.append(l);
        }
        // Standard deductions are a resident's, at 13 %.
        if (declaration.ReturnKind == ReturnKind3NDFL && StandardDeductionCodes::GrantsStandard(block)) {
            s.StandardSource = true;
            StandardDeductionCodes::Propose(block, standard_);
        }
    } else if (s.List == L::IncomeSources35) {
        for (const CertificateIncomeLine& line : block.Lines) {
            auto same = std::find_if(
                s.SingleIncomes.begin(), s.SingleIncomes.end(),
                [&](const PlannedSource::SingleIncome& i) { return i.IncomeCode == line.IncomeCode; });
            if (same == s.SingleIncomes.end()) {
                s.SingleIncomes.append({line.IncomeCode, {}, 0, {}});
                same = s.SingleIncomes.end() - 1;
            }
            same->Income += line.Income;
            same->Deduction += line.Deduction;
            if (same->DeductionCode == 0) same->DeductionCode = line.DeductionCode;
        }
    }

    // A later certificate of the same agent at the same rate (a corrected one) takes the earlier one's place.
    for (auto i = sources_.size(); i-- > 0;)
        if (sources_[i].List == s.List && sources_[i].Agent.Inn == s.Agent.Inn &&
            sources_[i].Agent.Kpp == s.Agent.Kpp)
            sources_.removeAt(i);
    VisitList(declaration, s.List,
              [&](const auto& records) { s.Duplicate = CountMatches(records, s.Agent) > 0; });
    sources_.append(s);
    return true;
}

void TCertificateImport::Apply(mTDeclaration& declaration, bool applyStandard) const {
    if (!(declaration.IncomeKinds & IncomeRussia))
        declaration.SetIncomeKinds(declaration.IncomeKinds | IncomeRussia);
    using L = ListLimits::List;
    for (const PlannedSource& s : sources_) {
        switch (s.List) {
        case L::IncomeSources13:
        case L::IncomeSources13NR: {
            mTRecordList<mTThirteenPercent>& list = LinesList(declaration, s.List);
            auto record = std::make_unique<mTThirteenPercent>();
            SetAgent(*record, s.Agent);
            for (const mTSourseIncome& line : s.Lines)
                record->AddLine(line);
            record->TaxableIncome = s.TaxBase;
            record->TaxComputed = s.TaxComputed;
            record->TaxWithheld = s.TaxWithheld;
            // A source the user marked keeps its mark.
            bool marked = s.StandardSource;
            for (const mTThirteenPercent* old : list)
                if (old->SourceINN == s.Agent.Inn && old->SourceKPP == s.Agent.Kpp &&
                    old->StandardDeductionSource)
                    marked = true;
            record->StandardDeductionSource = marked ? 1 : 0;
            std::vector<std::unique_ptr<mTThirteenPercent>> records;
            records.push_back(std::move(record));
            PutInPlace(list, s.Agent, std::move(records));
            break;
        }
        case L::IncomeSources30: {
            auto record = std::make_unique<mTThirtyPercent>();
            SetAgent(*record, s.Agent);
            record->IncomeCode = DividendCode;
            record->IncomeTotal = s.Income;
            record->TaxableIncome = s.TaxBase;
            record->TaxComputed = s.TaxComputed;
            record->TaxWithheld = s.TaxWithheld;
            std::vector<std::unique_ptr<mTThirtyPercent>> records;
            records.push_back(std::move(record));
            PutInPlace(declaration.IncomeSources30, s.Agent, std::move(records));
            break;
        }
        case L::IncomeSources35: {
            std::vector<std::unique_ptr<mTThirtyFivePercent>> records;
            for (const PlannedSource::SingleIncome& income : s.SingleIncomes) {
                auto record = std::make_unique<mTThirtyFivePercent>();
                SetAgent(*record, s.Agent);
                record->IncomeCode = income.IncomeCode;
                record->IncomeTotal = income.Income;
                record->DeductionCode = income.DeductionCode;
                record->DeductionAmount = income.Deduction;
                // The certificate gives the tax of the rate as a whole; it goes with the first income.
                record->TaxWithheld = records.empty() ? s.TaxWithheld : Money();
                records.push_back(std::move(record));
            }
            PutInPlace(declaration.IncomeSources35, s.Agent, std::move(records));
            break;
        }
        default:
            break;
        }
    }
    if (applyStandard && !standard_.Empty()) standard_.ApplyTo(declaration.StandardDeduction);
}
