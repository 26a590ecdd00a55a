// "Документы к декларации" of the worked examples: what the declaration holds → what to attach.

#include "computation/WorkedExamples.h"
#include "explain/AttachedDocuments.h"

#include <QtTest>
#include <functional>

using namespace WorkedExample;

namespace {

using Builder = std::function<void(mTDeclaration&)>;

const QString Certificate = QStringLiteral("Справка о доходах физического лица по форме 2-НДФЛ");
const QString Payments = QStringLiteral("Документы об оплате (чеки, квитанции, платёжные поручения)");
const QStringList FlatBought{
    QStringLiteral("Договор о приобретении жилья"),
    QStringLiteral("Свидетельство о государственной регистрации права собственности"),
    QStringLiteral("Документы об оплате жилья (платёжные поручения, выписки банка, расписки продавца)")};

QStringList Lines(const QList<AttachedDocument>& documents) {
    QStringList lines;
    for (const AttachedDocument& d : documents)
        lines << d.Title + QStringLiteral(" | ") + d.For;
    return lines;
}

QStringList For(const QString& what, const QStringList& titles) {
    QStringList lines;
    for (const QString& title : titles)
        lines << title + QStringLiteral(" | ") + what;
    return lines;
}

} // namespace

class TestAttachedDocuments : public QObject {
    Q_OBJECT

private slots:
    void documents_data() {
        QTest::addColumn<Builder>("build");
        QTest::addColumn<QStringList>("expected"); // "title | what it is for"
        const QStringList employer = For(QStringLiteral("Агент 1"), {Certificate});
        QTest::newRow("employee") << Builder(Employee) << employer;
        QTest::newRow("employee buys a flat") << Builder([](mTDeclaration& d) {
            Employee(d);
            FlatBoughtIn2010(d);
        }) << employer + For(QStringLiteral("Имущественный вычет на приобретение жилья"), FlatBought);
        QTest::newRow("the same with treatment, education and a mortgage")
            << Builder([](mTDeclaration& d) {
                   Employee(d);
                   FlatBoughtIn2010(d);
                   d.PropertyDeduction.CreditInterest = Rub("120000");
                   d.SocialDeduction.GrantSocial = 1;
                   d.SocialDeduction.Treatment = Rub("80000");
                   d.SocialDeduction.OwnEducation = Rub("60000");
               })
            << employer +
                   For(QStringLiteral("Социальный вычет на своё обучение"),
                       {QStringLiteral("Договор с образовательным учреждением"),
                        QStringLiteral("Копия лицензии образовательного учреждения"), Payments}) +
                   For(QStringLiteral("Социальный вычет на лечение"),
                       {QStringLiteral("Договор с медицинским учреждением"),
                        QStringLiteral("Копия лицензии медицинского учреждения"),
                        QStringLiteral(
                            "Справка об оплате медицинских услуг для представления в налоговые органы"),
                        QStringLiteral("Рецепты и документы об оплате медикаментов, если они куплены")}) +
                   For(QStringLiteral("Имущественный вычет на приобретение жилья"), FlatBought) +
                   For(QStringLiteral("Имущественный вычет: проценты по кредиту"),
                       {QStringLiteral("Кредитный договор или договор займа"),
                        QStringLiteral("Справка банка об уплаченных процентах")});
        // A car sold to a private buyer: no agent, so the contract proves the income.
        QTest::newRow("car sold to a person")
            << Builder([](mTDeclaration& d) {
                   CarSoldWithinThreeYears(d);
                   d.IncomeSources13.At(0)->SourceINN.clear();
                   d.IncomeSources13.At(0)->SourceName = QStringLiteral("Петров П. П.");
               })
            << For(QStringLiteral("Петров П. П."),
                   {QStringLiteral("Договор или другой документ, подтверждающий получение дохода")});
        // The employer's salary and dividends: one certificate covers both rates.
        QTest::newRow("non-resident") << Builder([](mTDeclaration& d) {
            NonResident(d);
            d.IncomeSources30.At(0)->SourceINN = d.IncomeSources13.At(0)->SourceINN;
            d.IncomeSources30.At(0)->SourceName = d.IncomeSources13.At(0)->SourceName;
        }) << employer;
        QTest::newRow("entrepreneur without documents") << Builder(Entrepreneur) << QStringList();
        QTest::newRow("entrepreneur with documented expenses")
            << Builder([](mTDeclaration& d) {
                   Entrepreneur(d);
                   d.BusinessIncomes.At(0)->HasDocumentedExpenses = 1;
               })
            << For(QStringLiteral("Профессиональный вычет предпринимателя"),
                   {QStringLiteral("Документы, подтверждающие расходы")});
        QTest::newRow("foreign income, tax paid abroad on the second")
            << Builder([](mTDeclaration& d) {
                   d.SetIncomeKinds(IncomeForeign);
                   AddForeign(d, 13, 1010, "30000").SourceName = QStringLiteral("Bank of Cyprus");
                   AddForeign(d, 13, 1010, "20000", "3000").SourceName = QStringLiteral("Deutsche Bank");
               })
            << QStringList{QStringLiteral("Документ о доходе, полученном за пределами Российской Федерации | "
                                          "Bank of Cyprus"),
                           QStringLiteral("Документ о доходе, полученном за пределами Российской Федерации | "
                                          "Deutsche Bank"),
                           QStringLiteral("Документ об уплате налога за рубежом, подтверждённый налоговым "
                                          "органом иностранного государства | Deutsche Bank")};
        QTest::newRow("children, jointly owned flat")
            << Builder([](mTDeclaration& d) {
                   Employee(d);
                   d.StandardDeduction.GrantStandard = 1;
                   d.StandardDeduction.ChildrenCount = 2;
                   FlatBoughtIn2010(d);
                   d.PropertyDeduction.OwnershipKind = 3;
               })
            << employer +
                   For(QStringLiteral("Стандартный вычет на детей"),
                       {QStringLiteral("Свидетельство о рождении ребёнка"),
                        QStringLiteral("Справка об обучении по очной форме (для ребёнка старше 18 лет)")}) +
                   For(QStringLiteral("Имущественный вычет на приобретение жилья"), FlatBought) +
                   For(QStringLiteral("Имущественный вычет: общая совместная собственность"),
                       {QStringLiteral("Заявление супругов о распределении имущественного вычета"),
                        QStringLiteral("Свидетельство о браке")});
        // Expected income of next year: nothing to prove yet.
        QTest::newRow("4-NDFL") << Builder([](mTDeclaration& d) {
            Employee(d);
            d.ReturnKind = ReturnKind4NDFL;
        }) << QStringList();
    }
    void documents() {
        QFETCH(Builder, build);
        QFETCH(QStringList, expected);
        mTDeclaration declaration;
        declaration.SetIncomeKinds(IncomeRussia);
        build(declaration);
        QCOMPARE(Lines(AttachedDocuments(declaration)), expected);
    }

    void text() {
        const QString text =
            AttachedDocumentsText({{QStringLiteral("Справка"), QStringLiteral("ООО «Реклама»")},
                                   {QStringLiteral("Договор"), QStringLiteral("Банк")}});
        QCOMPARE(text,
                 QStringLiteral("Документы к декларации\n\n1. Справка — ООО «Реклама»\n2. Договор — Банк\n"));
    }
};

QTEST_GUILESS_MAIN(TestAttachedDocuments)
#include "tst_attacheddocuments.moc"
