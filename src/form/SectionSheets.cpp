// Sections 1 to 5 (the tax base and the tax by rate) and section 6 (the amounts payable and
// refundable by budget classification code).

#include "form/ReturnSheets.h"

using namespace FormFields;

namespace {

// Lines every rate's section has, with the number and code each section gives them.
// Lines 020 and 030 of the sections at 13 and 30 %.
FormLine Exempt() {
    return {.Item = "2",
            .Fields = {Kopecks(
                "020", "Общая сумма дохода, не подлежащая налогообложению (пп. 1.9 Листа Г1 + п. 2 Листа Г2)",
                "@ДоходОбщНеНал")}};
}
FormLine Taxable() {
    return {.Item = "3",
            .Fields = {Kopecks(
                "030", "Общая сумма дохода, подлежащая налогообложению (Вычтите строку 020 из строки 010)",
                "@ДоходОбщНал")}};
}
FormLine TaxHeading() {
    return {.Heading =
                "IV. Расчет суммы налога, подлежащей уплате (доплате) в бюджет/возврату из бюджета (руб.)"};
}
FormLine Withheld(const char* item, const char* code) {
    return {.Item = item,
            .Fields = {Roubles(code, "Общая сумма налога, удержанная у источника выплаты (пп. 2.4 Листа А)",
                               "@УдержОбщ")}};
}
FormLine PaidOnNotice(const char* item, const char* code) {
    return {.Item = item,
            .Fields = {Roubles(code, "Общая сумма налога, уплаченная на основании налогового уведомления",
                               "@УплУвед")}};
}
FormLine PaidAbroad(const char* item, const char* code) {
    return {.Item = item,
            .Fields = {Roubles(code,
                               "Сумма налога, уплаченная в иностранных государствах, подлежащая зачету в "
                               "Российской Федерации (пп. 2.4 Листа Б)",
                               "@УплИно")}};
}
FormLine Refundable(const char* item, const char* code) {
    return {.Item = item,
            .Fields = {Roubles(code, "Сумма налога, подлежащая возврату из бюджета", "@ПодлВозв")}};
}
FormLine Payable(const char* item, const char* code) {
    return {.Item = item,
            .Fields = {Roubles(code, "Сумма налога, подлежащая уплате (доплате) в бюджет", "@ПодлУпл")}};
}

} // namespace

namespace ReturnSheets {

const FormSheet& Section1() {
    static const FormSheet sheet{
        .Name = "Раздел 1",
        .Title = "Раздел 1. Расчет налоговой базы и суммы налога по доходам, облагаемым по ставке 13%",
        .Element = "НДФЛ3/ИтогУплВозв/НалБаза13",
        .Body =
            {{.Lines =
                  {
                      {.Heading = "I. Расчет общей суммы дохода, подлежащей налогообложению"},
                      {.Item = "1",
                       .Fields = {Kopecks("010",
                                          "Общая сумма дохода (пп. 2.1 Листа А + пп. 2.1 Листа Б + пп. 4.1 "
                                          "Листа В)",
                                          "@ДоходОбщ")}},
                      Exempt(),
                      Taxable(),
                      {.Heading = "II. Сумма расходов и налоговых вычетов, уменьшающая налоговую базу"},
                      {.Item = "4",
                       .Fields = {Kopecks("040", "Общая сумма расходов и налоговых вычетов", "@РасхВычОбщ")}},
                      {.Heading = "III. Расчет налоговой базы"},
                      {.Item = "5",
                       .Fields = {Kopecks("050",
                                          "Налоговая база (Вычтите строку 040 из строки 030. Если "
                                          "результат получился отрицательным, то в данной строке "
                                          "ставится прочерк)",
                                          "@НалБаза")}},
                      TaxHeading(),
                      {.Item = "6",
                       .Fields = {Roubles("060",
                                          "Сумма налога, исчисленная к уплате (Умножьте значение строки "
                                          "050 на 0,13)",
                                          "@Исчисл")}},
                      Withheld("7", "070"),
                      {.Item = "8",
                       .Fields = {Roubles("080",
                                          "Сумма фактически уплаченных авансовых платежей (пп. 4.4 Листа "
                                          "В)",
                                          "@УплФактАв")}},
                      {.Item = "9",
                       .Fields = {Roubles("090",
                                          "Сумма налога, уплаченная в виде фиксированных авансовых "
                                          "платежей (пп. 2.5 Листа А)",
                                          "@УплФиксирАв")}},
                      PaidOnNotice("10", "100"),
                      PaidAbroad("11", "110"),
                      Refundable("12", "120"),
                      Payable("13", "130"),
                  }}},
    };
    return sheet;
}

const FormSheet& Section2() {
    static const FormSheet sheet{
        .Name = "Раздел 2",
        .Title = "Раздел 2. Расчет налоговой базы и суммы налога по доходам, облагаемым по ставке 30%",
        .Element = "НДФЛ3/ИтогУплВозв/НалБаза30",
        .Body = {{.Lines =
                      {
                          {.Heading =
                               "I. Расчет общей суммы дохода, подлежащей налогообложению по ставке 30%"},
                          {.Item = "1",
                           .Fields = {Kopecks("010", "Общая сумма дохода (пп. 2.1 Листа А)", "@ДоходОбщ")}},
                          Exempt(),
                          Taxable(),
                          {.Heading = "II. Сумма расходов, уменьшающая налоговую базу"},
                          {.Item = "4", .Fields = {Kopecks("040", "Общая сумма расходов", "@РасхОбщ")}},
                          {.Heading = "III. Расчет налоговой базы"},
                          {.Item = "5",
                           .Fields = {Kopecks("050",
                                              "Налоговая база (Вычтите строку 040 из строки 030. Если "
                                              "результат получился отрицательным, то в данной строке "
                                              "ставится прочерк)",
                                              "@НалБаза")}},
                          TaxHeading(),
                          {.Item = "6",
                           .Fields = {Roubles("060",
                                              "Сумма налога, исчисленная к уплате (Умножьте значение строки "
                                              "050 на 0,30)",
                                              "@Исчисл")}},
                          Withheld("7", "070"),
                          PaidOnNotice("8", "080"),
                          Refundable("9", "090"),
                          Payable("10", "100"),
                      }}},
    };
    return sheet;
}

const FormSheet& Section3() {
    static const FormSheet sheet{
        .Name = "Раздел 3",
        .Title = "Раздел 3. Расчет налоговой базы и суммы налога по доходам, облагаемым по ставке 35%",
        .Element = "НДФЛ3/ИтогУплВозв/НалБаза35",
        .Body = {{.Lines =
                      {
                          {.Heading = "I. Общая сумма дохода, облагаемого по ставке 35%"},
                          {.Item = "1",
                           .Fields = {Kopecks("010", "Общая сумма дохода (пп. 2.1 Листа А + пп. 2.1 Листа Б)",
                                              "@ДоходОбщ")}},
                          {.Heading = "II. Общая сумма дохода, не подлежащая налогообложению"},
                          {.Item = "2",
                           .Fields = {Kopecks("020",
                                              "Общая сумма дохода, не подлежащая налогообложению (п. 2 Листа "
                                              "Г2)",
                                              "@ДоходОбщНеНал")}},
                          {.Heading = "III. Расчет налоговой базы"},
                          {.Item = "3",
                           .Fields = {Kopecks("030",
                                              "Налоговая база (Вычтите строку 020 из строки 010. Если "
                                              "результат получился отрицательным, то в данной строке "
                                              "ставится прочерк)",
                                              "@НалБаза")}},
                          TaxHeading(),
                          {.Item = "4",
                           .Fields = {Roubles("040",
                                              "Сумма налога, исчисленная к уплате (Умножьте значение строки "
                                              "030 на 0,35)",
                                              "@Исчисл")}},
                          Withheld("5", "050"),
                          {.Item = "6",
                           .Fields = {Roubles("060",
                                              "Сумма налога, излишне удержанная налоговыми агентами с "
                                              "доходов в виде материальной выгоды (п. 2 Листа Г3)",
                                              "@УдержОбщЛиш")}},
                          PaidOnNotice("7", "070"),
                          PaidAbroad("8", "080"),
                          Refundable("9", "090"),
                          Payable("10", "100"),
                      }}},
    };
    return sheet;
}

const FormSheet& Section4() {
    static const FormSheet sheet{
        .Name = "Раздел 4",
        .Title = "Раздел 4. Расчет налоговой базы и суммы налога по доходам, облагаемым по ставке 9%",
        .Element = "НДФЛ3/ИтогУплВозв/НалБаза9",
        .Body = {{.Lines =
                      {
                          {.Item = "1",
                           .Fields = {Kopecks("010", "Общая сумма дохода (пп. 2.1 Листа А + пп. 2.1 Листа Б)",
                                              "@ДоходОбщ")}},
                          {.Item = "2",
                           .Fields = {Kopecks("020", "Налоговая база (пп. 2.2 Листа А + пп. 2.1 Листа Б)",
                                              "@НалБаза")}},
                          {.Item = "3",
                           .Fields = {Roubles("030", "Общая сумма налога, исчисленная к уплате", "@Исчисл")}},
                          Withheld("4", "040"),
                          PaidOnNotice("5", "050"),
                          PaidAbroad("6", "060"),
                          Refundable("7", "070"),
                          Payable("8", "080"),
                      }}},
    };
    return sheet;
}

const FormSheet& Section5() {
    static const FormSheet sheet{
        .Name = "Раздел 5",
        .Title = "Раздел 5. Расчет налоговой базы и суммы налога по доходам, облагаемым по ставке 15%",
        .Element = "НДФЛ3/ИтогУплВозв/НалБаза15",
        .Body = {{.Lines =
                      {
                          {.Item = "1",
                           .Fields = {Kopecks("010", "Общая сумма дохода (пп. 2.1 Листа А)", "@ДоходОбщ")}},
                          {.Item = "2",
                           .Fields = {Kopecks("020", "Налоговая база (пп. 2.2 Листа А)", "@НалБаза")}},
                          {.Item = "3",
                           .Fields = {Roubles("030", "Общая сумма налога, исчисленная к уплате", "@Исчисл")}},
                          Withheld("4", "040"),
                          PaidOnNotice("5", "050"),
                          Refundable("6", "060"),
                          Payable("7", "070"),
                      }}},
    };
    return sheet;
}

// One page for each amount payable or refundable under one budget classification code.
const FormSheet& Section6() {
    static const FormSheet sheet{
        .Name = "Раздел 6",
        .Title = "Раздел 6. Суммы налога, подлежащие уплате (доплате) в бюджет/возврату из бюджета",
        .Element = "НДФЛ3/ПодлУплВозв",
        .Body = {{.Lines =
                      {
                          {.Fields = {Mark("010",
                                           "Код (1 - уплата (доплата) в бюджет, 2 - возврат из бюджета, 3 - "
                                           "нет суммы налога к уплате (доплате) в бюджет или возврату из "
                                           "бюджета)",
                                           "@ПрУплВозв")}},
                          {.Fields = {Code("020", "Код бюджетной классификации", "@КБК", 20)}},
                          {.Fields = {Code("030", "Код по ОКАТО", "@ОКАТО", 11)}},
                          // The export writes both amounts; the one the code 010 does not name is 0.
                          {.Fields = {UnlessZero(
                               Roubles("040", "Сумма налога, подлежащая уплате (доплате) в бюджет (руб.)",
                                       "@ПодлУпл", false, 15))}},
                          {.Fields = {UnlessZero(
                               Roubles("050", "Сумма налога, подлежащая возврату из бюджета (руб.)",
                                       "@ПодлВозв", false, 15))}},
                      }}},
    };
    return sheet;
}

} // namespace ReturnSheets
