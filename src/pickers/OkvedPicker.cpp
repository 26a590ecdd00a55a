#include "pickers/OkvedPicker.h"

#include "dialogs/CheckError.h"
#include "ui_OkvedPicker.h"

TFormOKVED::TFormOKVED(QWidget* owner, const mTOkvedClassifier& classifier)
    : QDialog(owner), ui(std::make_unique<Ui::TFormOKVED>()), choice_(classifier) {
    ui->setupUi(this);
    levels_ = {ui->ComboBox1, ui->ComboBox2, ui->ComboBox3, ui->ComboBox4, ui->ComboBox5, ui->ComboBox6};
    ShowLevels(1);
    for (int level = 1; level <= mTOkvedClassifier::Levels; ++level)
        connect(levels_[size_t(level - 1)], &QComboBox::currentIndexChanged, this,
                [this, level](int index) { LevelChanged(level, index); });
    connect(ui->bnYes, &QPushButton::clicked, this, &TFormOKVED::accept);
    connect(ui->bnNo, &QPushButton::clicked, this, &QDialog::reject);
}

TFormOKVED::~TFormOKVED() = default;

QString TFormOKVED::ChosenCode() const {
    return ui->edOKV->text();
}

void TFormOKVED::LevelChanged(int level, int index) {
    if (filling_) return;
    choice_.Choose(level, index);
    ShowLevels(level + 1);
}

void TFormOKVED::ShowLevels(int from) {
    filling_ = true;
    for (int level = from; level <= mTOkvedClassifier::Levels; ++level) {
        QComboBox* box = levels_[size_t(level - 1)];
        box->clear();
        box->addItems(choice_.Items(level));
        box->setCurrentIndex(choice_.Current(level));
    }
    ui->edOKV->setText(choice_.Shown());
    filling_ = false;
}

void TFormOKVED::accept() {
    if (!choice_.CodeLongEnough()) {
        TfmCheckError dialog(this);
        dialog.SetSkipAllEnabled(false);
        ICheckAnswerer& answerer = answerer_ ? *answerer_ : static_cast<ICheckAnswerer&>(dialog);
        if (answerer.Ask(QStringLiteral("ОКВЭД"),
                         QStringLiteral("Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку")) ==
            CheckAnswer::Fix)
            return;
    }
    QDialog::accept();
}
