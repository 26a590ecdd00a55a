#include "screens/EmptySection.h"

#include <QLabel>
#include <QVBoxLayout>

TfrEmptySection::TfrEmptySection(QWidget* owner, ScreenHost& host, const QString& title)
    : TThinkingFrame(owner, host) {
    setObjectName(QStringLiteral("frEmptySection"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(title, this);
    caption->setObjectName(QStringLiteral("lbSectionTitle"));
    QFont f = caption->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    caption->setFont(f);
    layout->addWidget(caption);
    layout->addStretch();
}
