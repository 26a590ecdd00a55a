#include "reference/pickers/OkvedPicker.h"

#include "checks/dialogs/CheckError.h"
#include "shell/XmlElements.h"
#include "ui_OkvedPicker.h"

namespace {
const QString None = QStringLiteral("нет");
} // namespace

TFormOKVED::TFormOKVED(QWidget* owner, const pugi::xml_node& root)
    : QDialog(owner), ui(std::make_unique<Ui::TFormOKVED>()), root_(root) {
    ui->setupUi(this);
    levels_ = {ui->ComboBox1, ui->ComboBox2, ui->ComboBox3, ui->ComboBox4, ui->ComboBox5, ui->ComboBox6};
    filling_ = true;
    for (QComboBox* box : levels_)
        box->addItem(None);
    for (const pugi::xml_node& entry : ChildElements(root_))
        if (AttributeText(entry, "GRUP") == QLatin1String("1"))
            ui->ComboBox1->addItem(AttributeText(entry, "Name"));
    filling_ = false;
    ui->edOKV->setText(None);
    for (int level = 1; level <= 6; ++level)
        connect(levels_[level - 1], &QComboBox::currentIndexChanged, this,
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
    QComboBox* box = levels_[level - 1];
    if (index > 0) {
        const QString name = box->itemText(index);
        const QString grup = QString::number(level);
        for (const pugi::xml_node& entry : ChildElements(root_)) {
            if (AttributeText(entry, "Name") == name && AttributeText(entry, "GRUP") == grup) {
                kod_ = AttributeText(entry, "Kod");
                ui->edOKV->setText(AttributeText(entry, "OKVED"));
                break;
            }
        }
        for (int deeper = level + 1; deeper <= 6; ++deeper)
            Refill(deeper);
    } else if (box->count() > 1) {
        filling_ = true;
        for (int deeper = level + 1; deeper <= 6; ++deeper) {
            levels_[deeper - 1]->clear();
            levels_[deeper - 1]->addItem(None);
        }
        filling_ = false;
    }
}

void TFormOKVED::Refill(int level) {
    QComboBox* box = levels_[level - 1];
    filling_ = true;
    box->clear();
    box->addItem(None);
    const QString grup = QString::number(level);
    for (const pugi::xml_node& entry : ChildElements(root_))
        if (AttributeText(entry, "GRUP") == grup && AttributeText(entry, "Kod").startsWith(kod_))
            box->addItem(AttributeText(entry, "Name"));
    box->setCurrentIndex(0);
    filling_ = false;
}

void TFormOKVED::accept() {
    if (kod_.size() <= 3) {
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
