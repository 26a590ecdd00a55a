#include "reference/DocumentKinds.h"

#include <algorithm>
#include <array>

namespace {

constexpr CodeTableRow KindRows[] = {
    {3, "Свидетельство о рождении, оформленное в соответствии с законодательством РФ"},
    {7, "Военный билет солдата (матроса, сержанта, старшины)"},
    {8, "Временное удостоверение, выданное взамен военного билета"},
    {10, "Паспорт иностранного гражданина"},
    {11, "Свидетельство о регистрации ходатайства иммигранта о признании его беженцем на территории РФ по "
         "существу"},
    {12, "Вид на жительство в РФ"},
    {13, "Удостоверение беженца"},
    {14, "Временное удостоверение личности гражданина РФ"},
    {15, "Разрешение на временное проживание в РФ"},
    {18, "Свидетельство о предоставлении временного убежища на территории РФ"},
    {21, "Паспорт гражданина РФ"},
    {23, "Свидетельство о рождении, выданное уполномоченным органом иностранного государства"},
    {24, "Удостоверение личности военнослужащего РФ"},
    {91, "Иные документы"},
};

} // namespace

std::span<const CodeTableRow> DocumentKinds() {
    return KindRows;
}

int DocumentNumberFormat(int documentCode) {
    switch (documentCode) {
    case 1:
    case 3:
        return 0;
    case 2:
    case 9:
    case 22:
        return 1;
    case 21:
        return 2;
    case 4:
    case 6:
        return 3;
    case 7:
    case 26:
    case 27:
        return 4;
    case 5:
    case 11:
    case 12:
    case 13:
    case 14:
    case 91:
        return 6;
    default:
        return 5;
    }
}

// A picked kind takes the stored kind's pattern where that is a fixed series-and-number pattern, the
// military card's pattern for a serviceman's card, and free text for the other kinds of the table; a
// kind outside the table keeps the field's format.
int PickedDocumentNumberFormat(int documentCode, int currentFormat) {
    static constexpr std::array freeText{3, 5, 10, 11, 12, 13, 14, 15, 18, 23, 91};
    if (std::ranges::find(freeText, documentCode) != freeText.end()) return 5;
    if (documentCode == 24) return 4;
    const int stored = DocumentNumberFormat(documentCode);
    return stored >= 1 && stored <= 4 ? stored : currentFormat;
}
