#include "pickers/InspectionPicker.h"

#include "pickers/LoadSoun.h"
#include "reference/CodeNameList.h"

#include <QHBoxLayout>
#include <QPushButton>

TfmInputInspectionNumber::TfmInputInspectionNumber(QWidget* owner, const mTCodeNameList& offices)
    : TCodeListPicker(owner, QStringLiteral("Справочник инспекций"), QStringLiteral("lvInspections"),
                      {QStringLiteral("Код"), QStringLiteral("Наименование инспекции")}) {
    // The offices are listed when the picker is first opened, not while the program starts.
    SetRows([offices] { return offices.Rows(); });
    auto* missing =
        new QPushButton(QStringLiteral("Пролистал весь справочник, моя инспекция отсутствует..."), this);
    missing->setObjectName(QStringLiteral("bnMissing"));
    missing->setAutoDefault(false);
    ButtonRow()->insertWidget(0, missing);
    resize(640, 440);
    connect(missing, &QPushButton::clicked, this, [this] {
        TfmLoadSoun load(this);
        connect(&load, &TfmLoadSoun::Imported, this, &TfmInputInspectionNumber::OfficesImported);
        load.exec();
    });
}

void TfmInputInspectionNumber::OfficesImported(const QString& fileName) {
    mTCodeNameList offices;
    if (!offices.Load(fileName)) return;
    const QString code = Code();
    SetRows(offices.Rows());
    Preselect(code);
}
