#include "reference/pickers/InspectionPicker.h"

#include "reference/pickers/LoadSoun.h"
#include "shell/XmlElements.h"

#include <QHBoxLayout>
#include <QPushButton>

TfmInputInspectionNumber::TfmInputInspectionNumber(QWidget* owner, const pugi::xml_node& root)
    : TCodeListPicker(owner, QStringLiteral("Справочник инспекций"), QStringLiteral("lvInspections"),
                      {QStringLiteral("Код"), QStringLiteral("Наименование инспекции")}) {
    for (const pugi::xml_node& office : ChildElements(root))
        AddRow(QString::fromUtf8(office.attribute("Code").value()), QString::fromUtf8(office.text().get()));
    auto* missing =
        new QPushButton(QStringLiteral("Пролистал весь справочник, моя инспекция отсутствует..."), this);
    missing->setObjectName(QStringLiteral("bnMissing"));
    missing->setAutoDefault(false);
    ButtonRow()->insertWidget(0, missing);
    connect(missing, &QPushButton::clicked, this, [this] {
        TfmLoadSoun load(this);
        load.exec();
    });
}

void TfmInputInspectionNumber::Preselect(const QString& code) {
    code_ = code;
    const int row = RowOfCode(code);
    if (row >= 0) SelectRow(row);
}
