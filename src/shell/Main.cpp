#include "shell/Main.h"

#include "checks/dialogs/CheckAllError.h"
#include "controls/FlashButton.h"
#include "controls/ModificationNotice.h"
#include "reference/CodeNameList.h"
#include "reference/CurrencyRates.h"
#include "reference/OkvedClassifier.h"
#include "reference/pickers/CountryPicker.h"
#include "reference/pickers/InspectionPicker.h"
#include "shell/About.h"
#include "shell/CommandLine.h"
#include "shell/GuiResources.h"
#include "shell/HelpWindow.h"
#include "shell/ProgramDir.h"
#include "shell/ProgramSettings.h"
#include "shell/SupportContacts.h"
#include "shell/UserPrompts.h"
#include "storage/NewDeclaration.h"
#include "storage/StorageErrors.h"

#include "print/DeclarationExport.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <optional>
#include <stdexcept>

namespace {

TFormMain::DeclarationRules& Rules() {
    static TFormMain::DeclarationRules rules;
    return rules;
}

struct SectionButtonPlace {
    const char* name;
    int top;
    int height;
    const char* hint;
};

constexpr SectionButtonPlace SectionButtonPlaces[SectionCount] = {
    {"fbInitialData", 0, 71, "Выбор режима ввода"},
    {"fbPersonData", 71, 71, "Персональные данные налогоплательщика"},
    {"fbRussianIncome", 142, 71,
     "Доходы, полученные от налоговых агентов или иных источников, в т.ч. физлиц"},
    {"fbCurrencyIncome", 213, 71, "Доходы, полученные в иностранной валюте"},
    {"fbBusiness", 284, 71,
     "Доходы, полученные от проедпринимательской деятельности без образования юридического лица и частной "
     "практики"},
    {"fbDeductions", 355, 71, "Стандартные, социальные и имущественный налоговые вычеты"},
    {"fbNalog", 426, 31, ""},
};

// The picture of the toolbar's "Файл xml": a page marked XML.
QIcon XmlFileIcon() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(
        QPolygonF({QPointF(6, 2), QPointF(21, 2), QPointF(27, 8), QPointF(27, 30), QPointF(6, 30)}));
    p.fillRect(QRectF(3, 14, 26, 11), QColor(31, 60, 115));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(3, 14, 26, 11), Qt::AlignCenter, QStringLiteral("XML"));
    return QIcon(picture);
}

// Where the whole-declaration check leads: the section of each section code.
std::optional<Section> SectionOfCheckCode(quint16 code) {
    switch (code) {
    case 1:
        return Section::InitialData;
    case 2:
    case 3:
        return Section::PersonData;
    case 4:
        return Section::RussianIncome;
    case 7:
        return Section::CurrencyIncome;
    case 8:
        return Section::Business;
    case 9:
    case 10:
        return Section::Deductions;
    default:
        return std::nullopt;
    }
}

// Restores a value when the scope ends, also when an error leaves it.
class EnabledAgain {
public:
    explicit EnabledAgain(QWidget* window) : window_(window) { window_->setEnabled(false); }
    ~EnabledAgain() { window_->setEnabled(true); }

private:
    QWidget* window_;
};

} // namespace

TFormMain::TFormMain(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
    InitGuiResources();
    setObjectName(QStringLiteral("FormMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    BuildWindow();
    SetStdToolbar(ProgramSettings::ShowStdToolbar());
    SetTextLabels(ProgramSettings::TextLabels());
    Action(QStringLiteral("acStdToolbar"))->setChecked(!toolBar_->isHidden());

    LoadCommandLineFile(arguments);
    UpdateTitle();
    ReadReferenceFiles();
    if (startFailed_) return;
    ShowConditionsScreen();
    ApplySectionEnabling();
}

TFormMain::~TFormMain() {
    Release();
}

void TFormMain::BuildWindow() {
    BuildMenuAndToolbar();
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* panel = new QWidget(central);
    panel->setObjectName(QStringLiteral("pnSections"));
    panel->setFixedWidth(185);
    BuildSectionButtons(panel);
    layout->addWidget(panel);

    auto* bevel = new QFrame(central);
    bevel->setObjectName(QStringLiteral("bvSeparator"));
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Raised);
    bevel->setFixedWidth(5);
    layout->addWidget(bevel);

    container_ = new QWidget(central);
    container_->setObjectName(QStringLiteral("pnContainer"));
    auto* containerLayout = new QVBoxLayout(container_);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container_, 1);

    setCentralWidget(central);
    setMinimumSize(MainWindowMinWidth, MainWindowMinHeight);
    resize(MainWindowMinWidth, MainWindowMinHeight);
}

void TFormMain::BuildMenuAndToolbar() {
    auto action = [this](const char* name, const QString& text, void (TFormMain::*slot)()) {
        auto* a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, [this, slot] { Guarded([this, slot] { (this->*slot)(); }); });
        return a;
    };
    QStyle* s = style();
    QAction* acNew = action("acNew", QStringLiteral("Создать"), &TFormMain::New);
    QAction* acOpen = action("acOpen", QStringLiteral("Открыть"), &TFormMain::Open);
    QAction* acSave = action("acSave", QStringLiteral("Сохранить"), &TFormMain::Save);
    QAction* acSaveAs = action("acSaveAs", QStringLiteral("Сохранить как..."), &TFormMain::SaveAs);
    auto* acExit = new QAction(QStringLiteral("Выход"), this);
    acExit->setObjectName(QStringLiteral("acExit"));
    connect(acExit, &QAction::triggered, this, &QWidget::close);
    QAction* acPreview = action("acPreview", QStringLiteral("Просмотр"), &TFormMain::Preview);
    QAction* acPrint = action("acPrint", QStringLiteral("Печать"), &TFormMain::Print);
    QAction* acExport = action("acExport", QStringLiteral("Экспорт в xml"), &TFormMain::ExportXml);
    QAction* acCheck = action("acCheck", QStringLiteral("Проверить"), &TFormMain::Check);
    QAction* acHelp = action("acHelp", QStringLiteral("Справка"), &TFormMain::Help);
    acHelp->setShortcut(QKeySequence(Qt::Key_F1));
    acHelp->setShortcutContext(Qt::ApplicationShortcut);
    QAction* acAbout = action("acAbout", QStringLiteral("О программе"), &TFormMain::About);

    auto* acStdToolbar = new QAction(QStringLiteral("Стандартная панель"), this);
    acStdToolbar->setObjectName(QStringLiteral("acStdToolbar"));
    acStdToolbar->setCheckable(true);
    connect(acStdToolbar, &QAction::triggered, this, [this](bool on) {
        ProgramSettings::SetShowStdToolbar(on);
        SetStdToolbar(on);
    });
    auto* acTextLabels = new QAction(QStringLiteral("Подписи под кнопками"), this);
    acTextLabels->setObjectName(QStringLiteral("acTextLabels"));
    acTextLabels->setCheckable(true);
    connect(acTextLabels, &QAction::triggered, this, [this](bool on) {
        ProgramSettings::SetTextLabels(on);
        SetTextLabels(on);
    });

    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->setObjectName(QStringLiteral("mnFile"));
    file->addActions({acNew, acOpen, acSave, acSaveAs});
    file->addSeparator();
    file->addAction(acExit);
    QMenu* declaration = menuBar()->addMenu(QStringLiteral("Декларация"));
    declaration->setObjectName(QStringLiteral("mnDeclaration"));
    declaration->addActions({acPreview, acPrint, acExport, acCheck});
    QMenu* settings = menuBar()->addMenu(QStringLiteral("Настройки"));
    settings->setObjectName(QStringLiteral("mnSettings"));
    settings->addActions({acStdToolbar, acTextLabels});
    QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
    help->setObjectName(QStringLiteral("mnHelp"));
    help->addAction(acHelp);
    help->addSeparator();
    help->addAction(acAbout);

    toolBar_ = addToolBar(QStringLiteral("Стандартная панель"));
    toolBar_->setObjectName(QStringLiteral("tbStandard"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The toolbar's own buttons: the export is "Файл xml" there.
    auto tool = [&](const char* name, const QString& caption, const QIcon& icon, QAction* command) {
        auto* a = new QAction(icon, caption, toolBar_);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, command, &QAction::trigger);
        toolBar_->addAction(a);
    };
    tool("tbNew", QStringLiteral("Создать"), s->standardIcon(QStyle::SP_FileIcon), acNew);
    tool("tbOpen", QStringLiteral("Открыть"), s->standardIcon(QStyle::SP_DialogOpenButton), acOpen);
    tool("tbSave", QStringLiteral("Сохранить"), s->standardIcon(QStyle::SP_DialogSaveButton), acSave);
    toolBar_->addSeparator();
    tool("tbPreview", QStringLiteral("Просмотр"), s->standardIcon(QStyle::SP_FileDialogContentsView),
         acPreview);
    tool("tbPrint", QStringLiteral("Печать"), s->standardIcon(QStyle::SP_FileDialogDetailedView), acPrint);
    toolBar_->addSeparator();
    tool("tbExport", QStringLiteral("Файл xml"), XmlFileIcon(), acExport);
    tool("tbCheck", QStringLiteral("Проверить"), s->standardIcon(QStyle::SP_DialogApplyButton), acCheck);
}

void TFormMain::BuildSectionButtons(QWidget* panel) {
    for (int i = 0; i < SectionCount; ++i) {
        const SectionButtonPlace& place = SectionButtonPlaces[i];
        auto* button = new TFlashButton(panel);
        button->setObjectName(QLatin1String(place.name));
        button->SetCaption(SectionScreens::Title(Section(i)));
        button->setToolTip(QString::fromUtf8(place.hint));
        button->SetGroupIndex(1);
        button->setGeometry(0, place.top, 185, place.height);
        connect(button, &TFlashButton::Click, this,
                [this, i] { Guarded([this, i] { SwitchSection(Section(i)); }); });
        sectionButtons_[i] = button;
    }
}

QAction* TFormMain::Action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TFormMain::SetStdToolbar(bool show) {
    toolBar_->setVisible(show);
    if (show) toolBar_->setMinimumHeight(Action(QStringLiteral("acTextLabels"))->isChecked() ? 50 : 38);
}

void TFormMain::SetTextLabels(bool labels) {
    Action(QStringLiteral("acTextLabels"))->setChecked(labels);
    ApplyToolbarLabels(labels);
    if (!toolBar_->isHidden()) toolBar_->setMinimumHeight(labels ? 50 : 38);
}

void TFormMain::ApplyToolbarLabels(bool labels) {
    toolBar_->setToolButtonStyle(labels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    for (QAction* a : toolBar_->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(a)))
            button->setFixedSize(labels ? QSize(80, 47) : QSize(35, 35));
    }
}

void TFormMain::LoadCommandLineFile(const QStringList& arguments) {
    const QString fileName = DeclarationFileFromArguments(arguments);
    if (fileName.isEmpty()) {
        Declaration = CreateNewDeclaration();
        return;
    }
    DocumentFileName = fileName;
    if (!LoadDeclaration(fileName)) {
        DocumentFileName.clear();
        Declaration = CreateNewDeclaration();
        Declaration->AutoSheetCount = 1;
    }
}

bool TFormMain::LoadDeclaration(const QString& fileName) {
    Declaration = std::make_unique<mTDeclaration>();
    QString message;
    try {
        Declaration->LoadFromFile(fileName);
        return true;
    } catch (const EConvertError&) {
        message = StorageText::DamagedFile;
    } catch (const mEPrivBase& e) {
        // Besides the damaged or unreadable file, a missing stream is reported the same way, so the
        // user learns why the declaration is empty.
        message = e.Message();
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    }
    UserPrompts::Current().Message(this, QMessageBox::Critical, message);
    return false;
}

namespace {

// A reference file kept for the whole run, read when it is first used; none when the file is absent.
template <class Model> std::unique_ptr<Model> ReferenceWhenUsed(const QString& path) {
    if (path.isEmpty()) return nullptr;
    auto model = std::make_unique<Model>();
    model->LoadWhenUsed(path);
    return model;
}

// A reference file that lies beside the program, read by its core reader; none when the file is
// absent or cannot be read.
template <class Model> std::unique_ptr<Model> ReadReference(const QString& path) {
    if (path.isEmpty()) return nullptr;
    auto model = std::make_unique<Model>();
    return model->Load(path) ? std::move(model) : nullptr;
}

} // namespace

void TFormMain::ReadReferenceFiles() {
    const QString dir = ProgramDir();
    const auto existing = [&](const QString& name) {
        return QFileInfo::exists(dir + name) ? dir + name : QString();
    };
    // The tax-office and rates imports write into the per-user folder, so the installed program stays
    // read-only.
    const auto userFirst = [&](const QString& name) {
        return QFileInfo::exists(UserDataDir() + name) ? UserDataDir() + name : existing(name);
    };
    const QString inspections = userFirst(ReferenceFileName::Inspections);
    if (!inspections.isEmpty()) {
        const std::unique_ptr<mTCodeNameList> offices = ReadReference<mTCodeNameList>(inspections);
        if (!offices) {
            UserPrompts::Current().Message(
                this, QMessageBox::Critical,
                QStringLiteral("Поменяйте язык и региональные стандарты ОС на русские. ") +
                    SupportContacts::Sentence);
            startFailed_ = true;
            return;
        }
        InspectionPicker = std::make_unique<TfmInputInspectionNumber>(this, *offices);
        InspectionPickerReady = true;
    }
    if (const auto countries = ReadReference<mTCodeNameList>(existing(ReferenceFileName::Countries))) {
        CountryPicker = std::make_unique<TfmGrazhd>(this, *countries);
        CountryPickerReady = true;
    }
    OkvedDocument = ReferenceWhenUsed<mTOkvedClassifier>(existing(ReferenceFileName::Okved));
    CurrencyRatesDocument = ReferenceWhenUsed<mTCurrencyRates>(userFirst(ReferenceFileName::CurrencyRates));
}

void TFormMain::ShowPlaced() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ShowPlaced(screen->geometry().width(), screen->availableGeometry().height());
}

void TFormMain::ShowPlaced(int screenWidth, int workAreaHeight) {
    const WindowPlacement placement =
        PlaceMainWindow(ProgramSettings::Placement(), screenWidth, workAreaHeight);
    move(placement.Geometry.topLeft());
    resize(placement.Geometry.size());
    if (placement.Maximised)
        showMaximized();
    else
        showNormal();
}

void TFormMain::ApplySectionEnabling() {
    const mTDeclaration& d = *Declaration;
    SectionButton(Section::RussianIncome)->setEnabled(d.IncomeKinds & IncomeRussia);
    SectionButton(Section::CurrencyIncome)->setEnabled(d.IncomeKinds & IncomeForeign);
    SectionButton(Section::Business)->setEnabled(d.IncomeKinds & IncomeBusiness);
    SectionButton(Section::Deductions)->setEnabled(d.IncomeKinds != 0 && d.ReturnKind == ReturnKind3NDFL);
    SectionButton(Section::Nalog)->setEnabled(d.ReturnKind != ReturnKind4NDFL);
}

void TFormMain::UpdateTitle() {
    const QString name =
        DocumentFileName.isEmpty() ? QStringLiteral("Без имени") : QFileInfo(DocumentFileName).fileName();
    setWindowTitle(name + QStringLiteral(" - Durovid 2010"));
}

void TFormMain::ReplaceScreen(Section section) {
    Loading = true;
    TThinkingFrame* frame = SectionScreens::Create(section, container_, &Declaration);
    container_->layout()->addWidget(frame);
    delete CurrentFrame;
    CurrentFrame = frame;
    frame->show();
    frame->AfterSectionOpened();
    Loading = false;
    CurrentSectionButton = SectionButton(section);
    CurrentSectionButton->SetDown(true);
}

void TFormMain::ShowConditionsScreen() {
    ReplaceScreen(Section::InitialData);
    Saved = true;
}

void TFormMain::SwitchSection(Section section) {
    if (CurrentFrame && SectionScreens::SectionOf(CurrentFrame) == section) return;
    if (CurrentFrame) {
        CurrentFrame->Store();
        if (const quint16 position = CurrentFrame->Check()) {
            CurrentSectionButton->SetDown(true);
            CurrentFrame->ShowPosition(position);
            return;
        }
    }
    ReplaceScreen(section);
}

void TFormMain::StoreCurrentFrame() {
    if (CurrentFrame) CurrentFrame->Store();
}

bool TFormMain::event(QEvent* event) {
    if (event->type() == ModificationNoticeEvent) {
        if (!Loading) Saved = false;
        return true;
    }
    return QMainWindow::event(event);
}

void TFormMain::Guarded(const std::function<void()>& command) {
    QString message;
    try {
        command();
        return;
    } catch (const mEPrivBase& e) {
        message = e.Message();
    } catch (const EConvertError&) {
        message = StorageText::DamagedFile;
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    }
    UserPrompts::Current().Message(this, QMessageBox::Critical, message);
}

// --- Document commands -------------------------------------------------------------------------

bool TFormMain::AskToSave() {
    if (Saved) return true;
    const QMessageBox::StandardButton answer = UserPrompts::Current().Message(
        this, QMessageBox::Question, QStringLiteral("Вы хотите сохранить декларацию?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel || answer == QMessageBox::Escape || answer == QMessageBox::NoButton)
        return false;
    if (answer != QMessageBox::Yes) return true;
    if (DocumentFileName.isEmpty()) DocumentFileName = UserPrompts::Current().SaveFileName(this);
    if (!DocumentFileName.isEmpty()) SaveDeclaration();
    return true;
}

void TFormMain::SaveDeclaration() {
    StoreCurrentFrame();
    Declaration->SaveToFile(DocumentFileName);
}

void TFormMain::New() {
    if (!AskToSave()) return;
    Declaration = CreateNewDeclaration();
    ShowConditionsScreen();
    DocumentFileName.clear();
    UpdateTitle();
    SectionButton(Section::RussianIncome)->setEnabled(true);
    SectionButton(Section::Nalog)->setEnabled(true);
    SectionButton(Section::CurrencyIncome)->setEnabled(false);
    SectionButton(Section::Business)->setEnabled(false);
}

void TFormMain::Open() {
    if (!AskToSave()) return;
    Declaration = std::make_unique<mTDeclaration>();
    const QString fileName = UserPrompts::Current().OpenFileName(this);
    if (!fileName.isEmpty()) {
        DocumentFileName = fileName;
        if (!LoadDeclaration(fileName)) {
            DocumentFileName.clear();
            Declaration = CreateNewDeclaration();
        }
    } else {
        Declaration = CreateNewDeclaration();
        DocumentFileName.clear();
    }
    UpdateTitle();
    ShowConditionsScreen();
    ApplySectionEnabling();
}

void TFormMain::Save() {
    if (DocumentFileName.isEmpty()) DocumentFileName = UserPrompts::Current().SaveFileName(this);
    if (DocumentFileName.isEmpty()) return;
    // A file of an earlier year (.kv9 …) is saved as this year's file beside it.
    if (!DocumentFileName.endsWith(QLatin1Char('0'))) DocumentFileName.back() = QLatin1Char('0');
    SaveDeclaration();
    UpdateTitle();
    Saved = true;
}

void TFormMain::SaveAs() {
    const QString fileName = UserPrompts::Current().SaveFileName(this);
    if (fileName.isEmpty()) return;
    DocumentFileName = fileName;
    SaveDeclaration();
    UpdateTitle();
    Saved = true;
}

void TFormMain::Check() {
    if (CheckAndShow() == 0)
        UserPrompts::Current().Message(this, QMessageBox::Information,
                                       QStringLiteral("Проверка декларации завершена успешно"));
}

void TFormMain::Preview() {
    if (CheckAndShow() != 0) return;
    EnabledAgain enabled(this);
    RunPrintModule(PrintMode::Preview);
}

void TFormMain::Print() {
    if (CheckAndShow() != 0) return;
    EnabledAgain enabled(this);
    RunPrintModule(PrintMode::Print);
}

void TFormMain::RunPrintModule(PrintMode mode) {
    ::RunPrintModule(mode,
                     PrintRun{this, Declaration.get(), ProgramDir(), [this] { return CheckAndShow(); }});
}

void TFormMain::ExportXml() {
    if (CheckAndShow() != 0) return;
    EnabledAgain enabled(this);
    QString folder = UserPrompts::Current().ExistingDirectory(this, ApplicationCaption, QDir::homePath());
    if (folder.isEmpty()) return;
    if (!folder.endsWith(QDir::separator()) && !folder.endsWith(QLatin1Char('/')))
        folder += QDir::separator();
    const QString written = DeclarationExport::Run(folder, *Declaration, DeclarationExport::WriteFile);
    UserPrompts::Current().Message(this, QMessageBox::Information,
                                   written == QLatin1String("ERROR")
                                       ? QStringLiteral("Ошибка записи. Файл не сформирован.")
                                       : QStringLiteral("Сформирован файл ") + written);
}

void TFormMain::Help() {
    OpenHelpTopic(this, QStringLiteral("runprogramm.htm"), QStringLiteral("Main"));
}

void TFormMain::About() {
    TfmAbout about(this);
    about.exec();
}

// --- Checks ------------------------------------------------------------------------------------

TFormMain::DeclarationRules TFormMain::SetDeclarationRules(DeclarationRules rules) {
    DeclarationRules previous = std::move(Rules());
    Rules() = std::move(rules);
    return previous;
}

quint32 TFormMain::CheckDeclaration() {
    // Never "clean" by default: a build without the rules must not let a faulty return through.
    if (!Rules()) throw std::runtime_error("Проверка декларации недоступна в этой сборке программы.");
    if (answerer_) return Rules()(*Declaration, *answerer_);
    TfmCheckAllError dialog(this);
    return Rules()(*Declaration, dialog);
}

int TFormMain::CheckAndShow() {
    StoreCurrentFrame();
    const quint32 result = CheckDeclaration();
    const quint16 section = quint16(result & 0xFFFF);
    const quint16 position = quint16(result >> 16);
    if (position == 0) return 0;
    if (position == 0xFFFF) return 2;
    NavigateToFault(section, position);
    return 1;
}

void TFormMain::NavigateToFault(quint16 sectionCode, quint16 position) {
    const std::optional<Section> section = SectionOfCheckCode(sectionCode);
    if (!section) return;
    if (SectionScreens::SectionOf(CurrentFrame) != *section) ReplaceScreen(*section);
    CurrentSectionButton = SectionButton(*section);
    CurrentSectionButton->SetDown(true);
    switch (sectionCode) {
    case 2:
    case 4:
    case 9:
        CurrentFrame->ShowSubScreen(0, position);
        break;
    case 3:
    case 10:
        CurrentFrame->ShowSubScreen(1, position);
        break;
    default:
        CurrentFrame->ShowPosition(position);
        break;
    }
}

// --- Closing -----------------------------------------------------------------------------------

void TFormMain::closeEvent(QCloseEvent* event) {
    bool allowed = false;
    Guarded([&] { allowed = AskToSave(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    StoredPlacement placement;
    placement.FullScreen = isMaximized();
    const QRect normal = isMaximized() ? normalGeometry() : QRect(pos(), size());
    placement.Left = isMaximized() ? normal.left() : pos().x();
    placement.Top = isMaximized() ? normal.top() : pos().y();
    placement.Width = normal.width();
    placement.Height = normal.height();
    Release();
    ProgramSettings::SetPlacement(placement);
    event->accept();
}

void TFormMain::Release() {
    if (released_) return;
    released_ = true;
    delete CurrentFrame;
    CurrentFrame = nullptr;
    InspectionPicker.reset();
    CountryPicker.reset();
    OkvedDocument.reset();
    CurrencyRatesDocument.reset();
}
