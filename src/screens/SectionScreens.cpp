#include "screens/SectionScreens.h"

#include "screens/EmptySection.h"

#include <array>

namespace {

std::array<SectionScreens::Maker, SectionCount>& Makers() {
    static std::array<SectionScreens::Maker, SectionCount> makers;
    return makers;
}

constexpr const char* SectionProperty = "durovidSection";

} // namespace

namespace SectionScreens {

QString Title(Section section) {
    static const QString titles[SectionCount] = {
        QStringLiteral("Задание условий"),         QStringLiteral("Сведения о декларанте"),
        QStringLiteral("Доходы, полученные в РФ"), QStringLiteral("Доходы за пределами РФ"),
        QStringLiteral("Предприниматели"),         QStringLiteral("Вычеты"),
        QStringLiteral("Уплата по уведомлениям")};
    return titles[int(section)];
}

Maker Register(Section section, Maker maker) {
    Maker previous = std::move(Makers()[int(section)]);
    Makers()[int(section)] = std::move(maker);
    return previous;
}

TThinkingFrame* Create(Section section, QWidget* owner, TThinkingFrame::DeclarationField* declarationRef) {
    const Maker& maker = Makers()[int(section)];
    TThinkingFrame* frame =
        maker ? maker(owner, declarationRef) : new TfrEmptySection(owner, declarationRef, Title(section));
    frame->setProperty(SectionProperty, int(section));
    return frame;
}

Section SectionOf(const TThinkingFrame* frame) {
    return Section(frame->property(SectionProperty).toInt());
}

} // namespace SectionScreens
