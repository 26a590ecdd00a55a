#include "screens/conditions/DocType.h"

#include "controls/MaskedDocEdit.h"

#include <algorithm>
#include <array>

namespace {

constexpr TCodeName DocumentKinds[] = {
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

TfmDocType::TfmDocType(QWidget* owner)
    : TTablePicker(owner, QStringLiteral("Справочник видов документов"), QStringLiteral("lvDocTypes"),
                   QStringLiteral("Наименование документа"), DocumentKinds) {}

std::span<const TCodeName> TfmDocType::Kinds() {
    return DocumentKinds;
}

// A picked kind takes the stored kind's pattern where that is a fixed series-and-number pattern, the
// military card's pattern for a serviceman's card, and free text for the other kinds of the table; a
// kind outside the table keeps the field's format.
int TfmDocType::FormatForPickedKind(int kind, int currentFormat) {
    static constexpr std::array freeText{3, 5, 10, 11, 12, 13, 14, 15, 18, 23, 91};
    if (std::ranges::find(freeText, kind) != freeText.end()) return 5;
    if (kind == 24) return 4;
    const int stored = TMaskedDocEdit::KindForDocument(kind);
    return stored >= 1 && stored <= 4 ? stored : currentFormat;
}
