// The title pages of 3-NDFL and the page of 4-NDFL.

#include "form/ReturnSheets.h"

using namespace FormFields;

namespace {

// The signer's block and the tax office's block at the foot of a title page.
FormLine SignatureBlocks(const char* confirmation) {
    return {
        .Columns = {
            {
                {.Heading = confirmation},
                {.Fields = {Mark("", "", "Подписант@ПрПодп", "ПрПодп")}},
                {.Note = "1 - налогоплательщик, 2 - представитель налогоплательщика"},
                {.Fields = {Text("", "", "Подписант/ФИО@Фамилия", 20)}},
                {.Fields = {Text("", "", "Подписант/ФИО@Имя", 20)}},
                {.Fields = {Text("", "", "Подписант/ФИО@Отчество", 20)}},
                {.Note = "(фамилия, имя, отчество представителя налогоплательщика полностью)"},
                {.Fields = {TextAbove("", "Наименование организации - представителя налогоплательщика",
                                      "Подписант/СвПред@НаимОрг", 20, 2)}},
                {.Fields = {Rule("Подпись", 25), Date("", "Дата", "@ДатаДок", false, "Дата")}},
                {.Fields = {TextAbove("", "Наименование документа, подтверждающего полномочия представителя",
                                      "Подписант/СвПред@НаимДок", 20, 2)}},
            },
            {
                {.Heading = "Заполняется работником налогового органа"},
                {.Note = "Сведения о представлении декларации"},
                {.Fields = {ForOffice(Code("", "Данная декларация представлена (код)", "", 2))}},
                {.Fields = {ForOffice(Count("на", "", 3, "страницах"))}},
                {.Fields = {ForOffice(
                     Count("с приложением подтверждающих документов или их копий на", "", 3, "листах"))}},
                {.Fields = {ForOffice(Date("", "Дата представления декларации", ""))}},
                {.Fields = {ForOffice(Code("", "Зарегистрирована за №", "", 13))}},
                {.Fields = {Rule("", 40)}},
                {.Note = "Фамилия, И.О."},
                {.Fields = {Rule("", 40)}},
                {.Note = "Подпись"},
            },
        }};
}

// The lines both forms' first pages have.
FormLine Office() {
    return {.Fields = {Code("", "Представляется в налоговый орган (код)", "@КодНО", 4, "КодНО"),
                       Code("", "Код категории налогоплательщика", "СвНП/*@ДокПредст", 3, "ДокПредст")}};
}
std::vector<FormLine> Person(const char* surname, const char* name, const char* patronymic) {
    return {{.Fields = {Code("", "Код по ОКАТО", "СвНП/*@ОКАТО", 11, "ОКАТО")}},
            {.Fields = {Text("", "Фамилия", surname, 34)}},
            {.Fields = {Text("", "Имя", name, 34)}},
            {.Fields = {Text("", "Отчество", patronymic, 34)}},
            {.Fields = {Text("", "Номер контактного телефона", "СвНП/*@Тлф", 20)}}};
}
FormLine PageCount() {
    return {.Fields = {Count("Декларация составлена на", "#pages", 3, "страницах", "Страниц"),
                       Count("с приложением подтверждающих документов или их копий на", "", 3, "листах")}};
}
const char* const Confirmation =
    "Достоверность и полноту сведений, указанных в настоящей декларации, подтверждаю:";

} // namespace

namespace ReturnSheets {

const FormSheet& TitlePage() {
    static const FormSheet sheet{
        .Name = "Титульный лист",
        .Title = "Налоговая декларация по налогу на доходы физических лиц (форма 3-НДФЛ)",
        .Element = "",
        .TitlePage = true,
        .Body = {{.Lines = Join(
                      std::vector<FormLine>{
                          {.Fields = {Code("", "Номер корректировки", "@НомКорр", 3, "НомКорр"),
                                      Code("", "Налоговый период (код)", "@Период", 2, "Период"),
                                      Year("", "Отчетный налоговый период", "@ОтчетГод", "ОтчетГод")}},
                          Office()},
                      Person("СвНП/*/ФИОФЛ@Фамилия", "СвНП/*/ФИОФЛ@Имя", "СвНП/*/ФИОФЛ@Отчество"),
                      std::vector<FormLine>{PageCount(), SignatureBlocks(Confirmation)})}},
    };
    return sheet;
}

const FormSheet& TitlePageTwo() {
    static const FormSheet
        sheet{
            .Name = "Титульный лист",
            .Title = "Сведения о физическом лице",
            .Element = "СвНП/НПФЛ3",
            .Body = {{.Lines =
                          {
                              {.Fields = {Date("", "Дата рождения", "*@ДатаРожд", false, "ДатаРожд")}},
                              {.Fields = {TextAbove("", "Место рождения", "*@МестоРожд", 34, 2)}},
                              {.Heading = "Сведения о документе, удостоверяющем личность"},
                              {.Fields = {CodeZ("", "Код вида документа", "*/УдЛичн@КодВидДок", 2,
                                                "КодВидДок")}},
                              {.Fields = {Text("", "Серия и номер документа", "*/УдЛичн@СерНомДок", 25)}},
                              {.Fields = {TextAbove("", "Кем выдан", "*/УдЛичн@ВыдДок", 34, 2)}},
                              {.Fields = {Date("", "Дата выдачи", "*/УдЛичн@ДатаДок", false, "ДатаВыд")}},
                              {.Fields = {Mark(
                                   "",
                                   "Статус налогоплательщика (1 - физическое лицо - налоговый резидент "
                                   "Российской Федерации, 2 - физическое лицо, не являющееся налоговым "
                                   "резидентом Российской Федерации)",
                                   "@Статус", "Статус")}},
                              {.Fields = {Mark(
                                   "",
                                   "Гражданство (1 - гражданин Российской Федерации, 2 - иностранный "
                                   "гражданин, 3 - лицо без гражданства)",
                                   "*@ПрГражд", "ПрГражд")}},
                              {.Fields = {CodeZ("", "Код страны", "*@ОКСМ", 3, "ОКСМ")}},
                              {.Heading = "Место жительства налогоплательщика"},
                              {.Fields =
                                   {Mark("",
                                         "1 - адрес места жительства в Российской Федерации, 2 - адрес места "
                                         "пребывания в Российской Федерации (заполняется при отсутствии "
                                         "места "
                                         "жительства в Российской Федерации)",
                                         "СвАдрРФ@ПрАдр", "ПрАдр")}},
                              {.Fields = {Code("", "Почтовый индекс", "СвАдрРФ/АдрРФ@Индекс", 6, "Индекс"),
                                          CodeZ("", "Субъект Российской Федерации (код)",
                                                "СвАдрРФ/АдрРФ@КодРегион", 2, "КодРегион")}},
                              {.Fields = {Text("", "Район", "СвАдрРФ/АдрРФ@Район", 34)}},
                              {.Fields = {Text("", "Город", "СвАдрРФ/АдрРФ@Город", 34)}},
                              {.Fields = {Text("", "Населенный пункт", "СвАдрРФ/АдрРФ@НаселПункт", 34)}},
                              {.Fields = {Text("", "Улица", "СвАдрРФ/АдрРФ@Улица", 34)}},
                              {.Fields = {TextAbove("", "Номер дома (владения)", "СвАдрРФ/АдрРФ@Дом", 8),
                                          TextAbove("", "Номер корпуса (строения)",
                                                    "СвАдрРФ/АдрРФ@Корпус", 8),
                                          TextAbove("", "Номер квартиры", "СвАдрРФ/АдрРФ@Кварт", 8)}},
                              {.Fields =
                                   {TextAbove("", "Адрес места жительства за пределами Российской Федерации",
                                              "@АдрИно", 34, 2)}},
                          }}},
        };
    return sheet;
}

const FormSheet& EstimatedIncomePage() {
    static const FormSheet sheet{
        .Name = "Титульный лист",
        .Title = "Налоговая декларация о предполагаемом доходе физического лица (форма 4-НДФЛ)",
        .Element = "",
        .TitlePage = true,
        .Body = {{.Lines = Join(
                      std::vector<FormLine>{
                          {.Fields = {Code("", "Номер корректировки", "@НомКорр", 3, "НомКорр"),
                                      Year("", "Отчетный налоговый период", "@ОтчетГод", "ОтчетГод")}},
                          Office()},
                      Person("СвНП/*/ФИО@Фамилия", "СвНП/*/ФИО@Имя", "СвНП/*/ФИО@Отчество"),
                      std::vector<FormLine>{
                          {.Fields = {{"", "Сумма предполагаемого дохода (руб.)", "НДФЛ4@ПредДоход",
                                       Fill::Roubles, 15, 1, 0, false, "", "ПредДоход"}}},
                          PageCount(),
                          SignatureBlocks(Confirmation)})}},
    };
    return sheet;
}

const std::vector<const FormSheet*>& Ndfl3() {
    static const std::vector<const FormSheet*> sheets{
        &TitlePage(), &TitlePageTwo(), &Section1(), &Section2(), &Section3(), &Section4(), &Section5(),
        &Section6(),  &SheetA(),       &SheetB(),   &SheetV(),   &SheetG1(),  &SheetG2(),  &SheetG3(),
        &SheetD(),    &SheetE(),       &SheetZh1(), &SheetZh2(), &SheetZh3(), &SheetZ(),   &SheetI(),
    };
    return sheets;
}

const std::vector<const FormSheet*>& Ndfl4() {
    static const std::vector<const FormSheet*> sheets{&EstimatedIncomePage()};
    return sheets;
}

} // namespace ReturnSheets
