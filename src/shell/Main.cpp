#include "shell/Main.h"

#include "checks/DeclarationWarnings.h"
#include "checks/FaultNavigation.h"
#include "controls/FlashButton.h"
#include "controls/ModificationNotice.h"
#include "desktop/ContextHelp.h"
#include "desktop/FirstInput.h"
#include "desktop/GuiResources.h"
#include "desktop/HelpWindow.h"
#include "desktop/ProgramDir.h"
#include "desktop/UserPrompts.h"
#include "dialogs/AttachedDocuments.h"
#include "dialogs/CheckAllError.h"
#include "dialogs/CheckError.h"
#include "dialogs/TaxExplanation.h"
#include "editing/DeclarationHistory.h"
#include "editing/FieldCaption.h"
#include "explain/RecordNavigation.h"
#include "explain/TaxExplanation.h"
#include "export/XmlExport.h"
#include "pickers/CountryPicker.h"
#include "pickers/InspectionPicker.h"
#include "print/PrintComponent.h"
#include "records/NewDeclaration.h"
#include "reference/CodeNameList.h"
#include "reference/CurrencyRates.h"
#include "reference/IncomeDictionary.h"
#include "reference/OkvedClassifier.h"
#include "screens/SectionScreens.h"
#include "screens/income/CertificateImport.h"
#include "shell/About.h"
#include "shell/Autosave.h"
#include "shell/CommandLine.h"
#include "shell/ProgramSettings.h"
#include "shell/RecentFilesMenu.h"
#include "shell/RecoveryOffer.h"
#include "shell/ResultPanel.h"
#include "shell/SupportContacts.h"
#include "storage/StorageErrors.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <optional>

namespace {

CoreServices& CoresOwnServices() {
    static CoreServices services;
    return services;
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

// A standard shortcut of the platform, or the usual one where the platform's key scheme has none.
void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key, const QKeySequence& usual) {
    action->setShortcuts(key);
    if (action->shortcuts().isEmpty()) action->setShortcut(usual);
}

// Where the recovery copies of unsaved changes are kept.
QString RecoveryFolder() {
    return UserDataDir() + QStringLiteral("recovery");
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

TFormMain::TFormMain(const QStringList& arguments, CoreServices* services, QWidget* parent)
    : QMainWindow(parent), services_(services ? *services : CoresOwnServices()) {
    InitGuiResources();
    setObjectName(QStringLiteral("FormMain"));
    new TContextHelp(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    BuildWindow();
    autosave_ = std::make_unique<TAutosave>(
        RecoveryFolder(), [this](RecoveryCopy& copy) { return WriteRecoveryCopy(copy); },
        [this] { return !loading_ && !QApplication::activeModalWidget(); });
    CreateHistory();
    SetStdToolbar(ProgramSettings::ShowStdToolbar());
    SetTextLabels(ProgramSettings::TextLabels());
    Action(QStringLiteral("acStdToolbar"))->setChecked(!toolBar_->isHidden());

    LoadCommandLineFile(arguments);
    UpdateTitle();
    ReadReferenceFiles();
    if (startFailed_) return;
    ShowConditionsScreen();
    OpenSectionButtons(OpenSections(*declaration_));
    history_->Start();
    resultPanel_->Refresh(*declaration_);
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

    // A screen keeps its own minimum size; where the window is smaller, the screen scrolls.
    auto* scroll = new QScrollArea(central);
    scroll->setObjectName(QStringLiteral("sbContainer"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    container_ = new QWidget(scroll);
    container_->setObjectName(QStringLiteral("pnContainer"));
    auto* containerLayout = new QVBoxLayout(container_);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(container_);
    layout->addWidget(scroll, 1);

    setCentralWidget(central);
    // What the return gives, at the right end of the menu bar, whichever section is shown: always in
    // sight, and it takes no height from the screens.
    resultPanel_ = new TResultPanel(this);
    menuBar()->setCornerWidget(resultPanel_, Qt::TopRightCorner);
    connect(resultPanel_, &TResultPanel::LineChosen, this,
            [this](const ResultRef& line) { Guarded([&] { ExplainTaxAt(line); }); });
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
    // "&" marks the Alt accelerator of each menu and item.
    QAction* acNew = action("acNew", QStringLiteral("&Создать"), &TFormMain::New);
    SetStandardShortcut(acNew, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* acOpen = action("acOpen", QStringLiteral("&Открыть"), &TFormMain::Open);
    SetStandardShortcut(acOpen, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* acSave = action("acSave", QStringLiteral("Со&хранить"), &TFormMain::Save);
    SetStandardShortcut(acSave, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* acSaveAs = action("acSaveAs", QStringLiteral("Сохранить &как..."), &TFormMain::SaveAs);
    SetStandardShortcut(acSaveAs, QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction* acImportCertificate = action("acImportCertificate", QStringLiteral("Загрузить справку &2-НДФЛ…"),
                                          &TFormMain::ImportCertificate);
    auto* acExit = new QAction(QStringLiteral("&Выход"), this);
    acExit->setObjectName(QStringLiteral("acExit"));
    SetStandardShortcut(acExit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(acExit, &QAction::triggered, this, &QWidget::close);
    QAction* acUndo = action("acUndo", QStringLiteral("&Отменить"), &TFormMain::Undo);
    SetStandardShortcut(acUndo, QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* acRedo = action("acRedo", QStringLiteral("&Повторить"), &TFormMain::Redo);
    acRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QAction* acPreview = action("acPreview", QStringLiteral("П&росмотр"), &TFormMain::Preview);
    QAction* acPrint = action("acPrint", QStringLiteral("&Печать"), &TFormMain::Print);
    SetStandardShortcut(acPrint, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction* acExport = action("acExport", QStringLiteral("&Экспорт в xml"), &TFormMain::ExportXml);
    QAction* acCheck = action("acCheck", QStringLiteral("Про&верить"), &TFormMain::Check);
    QAction* acExplain = action("acExplain", QStringLiteral("Рас&чёт налога"), &TFormMain::ExplainTax);
    QAction* acDocuments =
        action("acDocuments", QStringLiteral("&Документы к декларации"), &TFormMain::ShowAttachedDocuments);
    // F1 itself opens the page of the screen or dialog at hand (ContextHelp); the menu item opens the
    // start page.
    QAction* acHelp = action("acHelp", QStringLiteral("&Справка"), &TFormMain::Help);
    SetStandardShortcut(acHelp, QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
    QAction* acAbout = action("acAbout", QStringLiteral("&О программе"), &TFormMain::About);

    // F10 opens the menu bar, as on other desktops.
    auto* acMenuBar = new QAction(this);
    acMenuBar->setObjectName(QStringLiteral("acMenuBar"));
    acMenuBar->setShortcut(QKeySequence(Qt::Key_F10));
    connect(acMenuBar, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
    addAction(acMenuBar);
    // Ctrl+1 … Ctrl+7 press the section buttons.
    for (int i = 0; i < SectionCount; ++i) {
        auto* acSection = new QAction(this);
        acSection->setObjectName(QStringLiteral("acSection%1").arg(i + 1));
        acSection->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)));
        connect(acSection, &QAction::triggered, this, [this, i] { sectionButtons_[size_t(i)]->Press(); });
        addAction(acSection);
    }

    auto* acStdToolbar = new QAction(QStringLiteral("&Стандартная панель"), this);
    acStdToolbar->setObjectName(QStringLiteral("acStdToolbar"));
    acStdToolbar->setCheckable(true);
    connect(acStdToolbar, &QAction::triggered, this, [this](bool on) {
        ProgramSettings::SetShowStdToolbar(on);
        SetStdToolbar(on);
    });
    auto* acTextLabels = new QAction(QStringLiteral("&Подписи под кнопками"), this);
    acTextLabels->setObjectName(QStringLiteral("acTextLabels"));
    acTextLabels->setCheckable(true);
    connect(acTextLabels, &QAction::triggered, this, [this](bool on) {
        ProgramSettings::SetTextLabels(on);
        SetTextLabels(on);
    });

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("mnFile"));
    file->addActions({acNew, acOpen, acSave, acSaveAs});
    file->addSeparator();
    file->addAction(acImportCertificate);
    file->addSeparator();
    file->addAction(acExit);
    new TRecentFilesMenu(file, acExit, [this](const QString& name) { Guarded([&] { OpenRecent(name); }); });
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Правка"));
    edit->setObjectName(QStringLiteral("mnEdit"));
    edit->addActions({acUndo, acRedo});
    QMenu* declaration = menuBar()->addMenu(QStringLiteral("&Декларация"));
    declaration->setObjectName(QStringLiteral("mnDeclaration"));
    declaration->addActions({acPreview, acPrint, acExport, acCheck, acExplain, acDocuments});
    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Настройки"));
    settings->setObjectName(QStringLiteral("mnSettings"));
    settings->addActions({acStdToolbar, acTextLabels});
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Справка"));
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
    tool("tbUndo", QStringLiteral("Отменить"), s->standardIcon(QStyle::SP_ArrowBack), acUndo);
    tool("tbRedo", QStringLiteral("Повторить"), s->standardIcon(QStyle::SP_ArrowForward), acRedo);
    toolBar_->addSeparator();
    tool("tbPreview", QStringLiteral("Просмотр"), s->standardIcon(QStyle::SP_FileDialogContentsView),
         acPreview);
    tool("tbPrint", QStringLiteral("Печать"), s->standardIcon(QStyle::SP_FileDialogDetailedView), acPrint);
    toolBar_->addSeparator();
    tool("tbExport", QStringLiteral("Файл xml"), XmlFileIcon(), acExport);
    tool("tbCheck", QStringLiteral("Проверить"), s->standardIcon(QStyle::SP_DialogApplyButton), acCheck);
    tool("tbExplain", QStringLiteral("Расчёт"), s->standardIcon(QStyle::SP_FileDialogInfoView), acExplain);
    toolBar_->actions().last()->setToolTip(QStringLiteral("Расчёт налога"));
}

void TFormMain::BuildSectionButtons(QWidget* panel) {
    for (int i = 0; i < SectionCount; ++i) {
        const SectionButtonPlace& place = SectionButtonPlaces[i];
        auto* button = new TFlashButton(panel);
        button->setObjectName(QLatin1String(place.name));
        button->SetCaption(SectionTitle(Section(i)));
        button->setToolTip(QString::fromUtf8(place.hint));
        button->SetGroupIndex(1);
        // Tab reaches the buttons; a mouse click leaves the focus where it is.
        button->setFocusPolicy(Qt::TabFocus);
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
        declaration_ = CreateNewDeclaration();
        return;
    }
    declaration_ = ReadDeclaration(fileName);
    if (declaration_) {
        documentFileName_ = fileName;
        return;
    }
    declaration_ = CreateNewDeclaration();
    declaration_->AutoSheetCount = 1;
}

std::unique_ptr<mTDeclaration> TFormMain::ReadDeclaration(const QString& fileName) {
    auto declaration = std::make_unique<mTDeclaration>();
    try {
        declaration->LoadFromFile(fileName, &documentLock_);
        ProgramSettings::AddRecentFile(fileName);
        return declaration;
    } catch (const std::exception& e) {
        // Besides the damaged or unreadable file, a missing stream is reported the same way, so the
        // user learns why the declaration was not opened.
        UserPrompts::Current().Message(this, QMessageBox::Critical, StorageFailureMessage(e));
    }
    return nullptr;
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
        inspectionPicker_ = std::make_unique<TfmInputInspectionNumber>(this, *offices);
    }
    if (const auto countries = ReadReference<mTCodeNameList>(existing(ReferenceFileName::Countries)))
        countryPicker_ = std::make_unique<TfmGrazhd>(this, *countries);
    okvedDocument_ = ReferenceWhenUsed<mTOkvedClassifier>(existing(ReferenceFileName::Okved));
    currencyRatesDocument_ = ReferenceWhenUsed<mTCurrencyRates>(userFirst(ReferenceFileName::CurrencyRates));
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

void TFormMain::OpenSectionButtons(const OpenSectionSet& open) {
    for (int i = 0; i < SectionCount; ++i)
        sectionButtons_[size_t(i)]->setEnabled(open[size_t(i)]);
}

void TFormMain::NotifyModified() {
    FieldChanged(QApplication::focusWidget());
}

void TFormMain::FieldChanged(QWidget* field) {
    if (loading_ || !history_ || history_->InChange()) return;
    // Only a control of the screen names the change; a dialog's control says nothing to the user later.
    if (field && !(currentFrame_ && currentFrame_->isAncestorOf(field))) field = nullptr;
    history_->FieldChanged(history_->FieldPending() ? QString() : FieldCaption(field));
}

void TFormMain::BeginChange() {
    history_->BeginChange();
}

void TFormMain::EndChange(const QString& text) {
    history_->EndChange(text);
}

bool TFormMain::Saved() const {
    return !history_->Modified();
}

void TFormMain::CreateHistory() {
    TDeclarationHistory::Window window;
    window.StoreScreen = [this] { StoreCurrentFrameQuietly(); };
    window.View = [this] { return CurrentView(); };
    window.Show = [this](const EditView& view) { ShowView(view); };
    history_ = std::make_unique<TDeclarationHistory>(declaration_, std::move(window));
    connect(history_.get(), &TDeclarationHistory::ModifiedChanged, this, &TFormMain::ModifiedChanged);
    connect(history_.get(), &TDeclarationHistory::Changed, this, [this] {
        if (history_->Modified()) autosave_->Changed();
        // Typing in a field changes the records only when the field is left.
        if (!history_->FieldPending()) resultPanel_->Refresh(*declaration_);
    });
    connect(history_.get(), &TDeclarationHistory::ActionsChanged, this, &TFormMain::UpdateUndoActions);
    connect(qApp, &QApplication::focusChanged, this, &TFormMain::FocusChanged);
    // Ctrl+Z in a field that has typing of its own to undo undoes that; elsewhere it is the window's.
    qApp->installEventFilter(this);
    UpdateUndoActions();
}

void TFormMain::ModifiedChanged(bool modified) {
    UpdateTitle();
    // Back to what the file holds (everything undone): the recovery copy has nothing left to keep.
    if (!modified) autosave_->Discard();
}

void TFormMain::UpdateUndoActions() {
    const auto label = [](const QString& verb, const QString& step) {
        QString text = verb;
        if (!step.isEmpty())
            text += QStringLiteral(": ") + QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
        return text;
    };
    const bool canUndo = history_->CanUndo();
    const bool canRedo = history_->CanRedo();
    QAction* undo = Action(QStringLiteral("acUndo"));
    QAction* redo = Action(QStringLiteral("acRedo"));
    undo->setEnabled(canUndo);
    undo->setText(label(QStringLiteral("&Отменить"), canUndo ? history_->UndoText() : QString()));
    redo->setEnabled(canRedo);
    redo->setText(label(QStringLiteral("&Повторить"), canRedo ? history_->RedoText() : QString()));
    for (const auto& [name, command] : {std::pair{"tbUndo", undo}, std::pair{"tbRedo", redo}}) {
        QAction* tool = Action(QLatin1String(name));
        tool->setEnabled(command->isEnabled());
        tool->setToolTip(QString(command->text()).remove(QLatin1Char('&')));
    }
}

void TFormMain::FocusChanged(QWidget* old, QWidget*) {
    // Leaving a field makes what was typed into it a step of its own.
    if (released_ || loading_ || !history_->FieldPending() || !old || !currentFrame_) return;
    if (currentFrame_->isAncestorOf(old)) Guarded([this] { history_->CommitField(); });
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        isAncestorOf(static_cast<QWidget*>(watched))) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = key->matches(QKeySequence::Undo);
        const bool redo = key->matches(QKeySequence::Redo) ||
                          key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y) ||
                          key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
        if (undo || redo) {
            const auto* edit = qobject_cast<const QLineEdit*>(watched);
            const bool own =
                edit && !edit->isReadOnly() && (undo ? edit->isUndoAvailable() : edit->isRedoAvailable());
            // Left unaccepted, the override lets the window's shortcut run.
            if (!own) return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

EditView TFormMain::CurrentView() const {
    EditView view;
    if (!currentFrame_) return view;
    view.Section = int(SectionScreens::SectionOf(currentFrame_));
    currentFrame_->SaveView(view);
    return view;
}

void TFormMain::ShowView(const EditView& view) {
    OpenSectionButtons(OpenSections(*declaration_));
    const bool open = view.Section >= 0 && view.Section < SectionCount &&
                      sectionButtons_[size_t(view.Section)]->isEnabled();
    ReplaceScreen(open ? Section(view.Section) : Section::InitialData);
    LoadingScope loading(*this);
    currentFrame_->RestoreView(view);
}

const mTIncomeDictionary& TFormMain::Dictionary() const {
    return mTIncomeDictionary::Embedded();
}

void TFormMain::UpdateTitle() {
    const QString name =
        documentFileName_.isEmpty() ? QStringLiteral("Без имени") : QFileInfo(documentFileName_).fileName();
    const bool saved = !history_ || Saved();
    // Unsaved changes show as "*" after the name; a saved declaration keeps the plain title.
    setWindowTitle(name + (saved ? QString() : QStringLiteral("[*]")) + QStringLiteral(" - Durovid 2010"));
    setWindowModified(!saved);
}

void TFormMain::ReplaceScreen(Section section) {
    loading_ = true;
    TThinkingFrame* frame = SectionScreens::Create(section, container_, *this);
    container_->layout()->addWidget(frame);
    delete currentFrame_;
    currentFrame_ = frame;
    frame->show();
    // The keyboard starts in the screen's first field, never on a choice an arrow key would change.
    FocusFirstInput(frame);
    frame->AfterSectionOpened();
    loading_ = false;
    currentSectionButton_ = SectionButton(section);
    currentSectionButton_->SetDown(true);
    // A new screen may have brought the records in line with what it shows; the next step starts there.
    if (history_) history_->Rebase();
}

void TFormMain::ShowConditionsScreen() {
    ReplaceScreen(Section::InitialData);
}

void TFormMain::ShowDeclaration(std::unique_ptr<mTDeclaration> declaration, const QString& fileName,
                                bool unsaved) {
    declaration_ = std::move(declaration);
    documentFileName_ = fileName;
    ShowConditionsScreen();
    OpenSectionButtons(OpenSections(*declaration_));
    history_->Start(unsaved);
    resultPanel_->Refresh(*declaration_);
    UpdateTitle();
}

void TFormMain::SwitchSection(Section section) {
    if (currentFrame_ && SectionScreens::SectionOf(currentFrame_) == section) return;
    if (currentFrame_) {
        history_->CommitField();
        currentFrame_->Store();
        if (const quint16 position = currentFrame_->Check()) {
            currentSectionButton_->SetDown(true);
            currentFrame_->ShowPosition(position);
            return;
        }
    }
    ReplaceScreen(section);
}

void TFormMain::StoreCurrentFrame() {
    history_->CommitField();
    StoreCurrentFrameQuietly();
    history_->Rebase();
}

void TFormMain::StoreCurrentFrameQuietly() {
    if (!currentFrame_) return;
    // Storing what the screen shows is no change of the user's: it must not mark anything.
    LoadingScope quiet(*this);
    currentFrame_->Store();
}

bool TFormMain::event(QEvent* event) {
    if (event->type() == ModificationNoticeEvent) {
        FieldChanged(static_cast<ModificationNotice*>(event)->From);
        return true;
    }
    return QMainWindow::event(event);
}

void TFormMain::Guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        UserPrompts::Current().Message(this, QMessageBox::Critical, StorageFailureMessage(e));
    }
}

// --- Document commands -------------------------------------------------------------------------

bool TFormMain::AskToSave() {
    if (Saved()) return true;
    const QMessageBox::StandardButton answer = UserPrompts::Current().Message(
        this, QMessageBox::Question, QStringLiteral("Вы хотите сохранить декларацию?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel || answer == QMessageBox::Escape || answer == QMessageBox::NoButton)
        return false;
    if (answer != QMessageBox::Yes) return true;
    const QString fileName =
        documentFileName_.isEmpty() ? UserPrompts::Current().SaveFileName(this) : documentFileName_;
    // Cancelling the save dialog cancels the command: nothing is saved and nothing is given up.
    if (fileName.isEmpty()) return false;
    documentFileName_ = fileName;
    SaveDeclaration();
    return true;
}

void TFormMain::SaveDeclaration() {
    StoreCurrentFrame();
    declaration_->SaveToFile(documentFileName_, &documentLock_);
    ProgramSettings::AddRecentFile(documentFileName_);
    history_->MarkSaved();
    autosave_->Discard();
    UpdateTitle();
}

void TFormMain::ImportCertificate() {
    ImportIncomeCertificate(this, *this, [this](int subScreen) {
        EditView view;
        view.Section = int(Section::RussianIncome);
        view.SubScreen = subScreen;
        view.Rows = {0}; // the first source of the list shown
        ShowView(view);
    });
}

void TFormMain::Undo() {
    history_->Undo();
}

void TFormMain::Redo() {
    history_->Redo();
}

void TFormMain::New() {
    if (!AskToSave()) return;
    autosave_->Discard();
    documentLock_.Release();
    ShowDeclaration(CreateNewDeclaration());
}

void TFormMain::Open() {
    if (!AskToSave()) return;
    const QString fileName = UserPrompts::Current().OpenFileName(this);
    // Cancelling the file dialog leaves the open declaration, its file and its recovery copy as they were.
    if (fileName.isEmpty()) return;
    OpenDocument(fileName);
}

void TFormMain::OpenRecent(const QString& fileName) {
    if (!AskToSave()) return;
    if (!QFileInfo::exists(fileName)) {
        ProgramSettings::RemoveRecentFile(fileName);
        UserPrompts::Current().Message(this, QMessageBox::Warning,
                                       QStringLiteral("Файл ") + QDir::toNativeSeparators(fileName) +
                                           QStringLiteral(" не найден."));
        return;
    }
    OpenDocument(fileName);
}

void TFormMain::OpenDocument(const QString& fileName) {
    // A file that cannot be read leaves the open declaration as it was; the message says why.
    std::unique_ptr<mTDeclaration> opened = ReadDeclaration(fileName);
    if (!opened) return;
    // The declaration shown before is given up, and with it its recovery copy; the lock moved with the
    // load to the file opened.
    autosave_->Discard();
    ShowDeclaration(std::move(opened), fileName);
}

void TFormMain::Save() {
    if (documentFileName_.isEmpty()) documentFileName_ = UserPrompts::Current().SaveFileName(this);
    if (documentFileName_.isEmpty()) return;
    // A file of an earlier year (.kv9 …) is saved as this year's file beside it.
    if (!documentFileName_.endsWith(QLatin1Char('0'))) documentFileName_.back() = QLatin1Char('0');
    SaveDeclaration();
}

void TFormMain::SaveAs() {
    const QString fileName = UserPrompts::Current().SaveFileName(this);
    if (fileName.isEmpty()) return;
    documentFileName_ = fileName;
    SaveDeclaration();
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
    OfferAttachedDocuments();
    EnabledAgain enabled(this);
    RunPrintModule(PrintMode::Print);
}

void TFormMain::RunPrintModule(PrintMode mode) {
    PrintRun run;
    run.Owner = this;
    run.Declaration = declaration_.get();
    run.ProgramDir = ProgramDir();
    run.CheckAndShow = [this] { return CheckAndShow(); };
    run.ExportText = [this](QString& text, QString& error) {
        const ExportOutcome outcome = services_.Export(ProgramDir(), *declaration_, ExportToText);
        ShowExportWarnings(outcome);
        text = outcome.Result;
        error = outcome.ErrorString;
        return outcome.Exported;
    };
    run.CreateComponent = [this] { return services_.CreatePrintComponent(); };
    ::RunPrintModule(mode, run);
}

void TFormMain::ShowExportWarnings(const ExportOutcome& outcome) {
    for (const QString& warning : outcome.Warnings)
        UserPrompts::Current().Message(this, QMessageBox::Warning, warning);
}

void TFormMain::ExportXml() {
    if (CheckAndShow() != 0) return;
    EnabledAgain enabled(this);
    QString folder = UserPrompts::Current().ExistingDirectory(this, ApplicationCaption, QDir::homePath());
    if (folder.isEmpty()) return;
    if (!folder.endsWith(QDir::separator()) && !folder.endsWith(QLatin1Char('/')))
        folder += QDir::separator();
    const ExportOutcome outcome = services_.Export(folder, *declaration_, ExportToFile);
    ShowExportWarnings(outcome);
    if (!outcome.Exported) UserPrompts::Current().Message(this, QMessageBox::Warning, outcome.ErrorString);
    UserPrompts::Current().Message(this, QMessageBox::Information,
                                   outcome.Exported ? QStringLiteral("Сформирован файл ") + outcome.Result
                                                    : QStringLiteral("Ошибка записи. Файл не сформирован."));
}

void TFormMain::ExplainTax() {
    ExplainTaxAt({});
}

void TFormMain::ExplainTaxAt(const ResultRef& line) {
    StoreCurrentFrame();
    Explanation explanation = ExplainDeclaration(*declaration_);
    if (!explanation.Error.isEmpty()) {
        UserPrompts::Current().Message(this, QMessageBox::Critical, explanation.Error);
        return;
    }
    TfmTaxExplanation window(std::move(explanation), this);
    if (line.IsSet()) window.ShowLine(line);
    if (window.exec() != QDialog::Accepted) return;
    // A value of a section the conditions keep closed is not shown.
    const std::optional<FaultDestination> destination = RecordDestinationOf(window.ChosenRecord());
    if (destination && SectionButton(destination->Screen)->isEnabled()) NavigateTo(*destination);
}

void TFormMain::ShowAttachedDocuments() {
    StoreCurrentFrame();
    TfmAttachedDocuments window(AttachedDocuments(*declaration_), this);
    window.exec();
}

void TFormMain::OfferAttachedDocuments() {
    const QList<AttachedDocument> documents = AttachedDocuments(*declaration_);
    if (documents.isEmpty()) return;
    const QMessageBox::StandardButton answer = UserPrompts::Current().Message(
        this, QMessageBox::Question,
        QStringLiteral("К декларации нужно приложить документы (%1). Показать их список?")
            .arg(documents.size()),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
    TfmAttachedDocuments window(documents, this);
    window.exec();
}

void TFormMain::Help() {
    OpenHelpTopic(this, QStringLiteral("runprogramm.htm"), QStringLiteral("Main"));
}

void TFormMain::About() {
    TfmAbout about(this);
    about.exec();
}

// --- Checks ------------------------------------------------------------------------------------

CheckResult TFormMain::CheckDeclaration() {
    if (answerer_) return services_.CheckDeclaration(*declaration_, *answerer_);
    TfmCheckAllError dialog(this);
    return services_.CheckDeclaration(*declaration_, dialog);
}

int TFormMain::CheckAndShow() {
    StoreCurrentFrame();
    const CheckResult result = CheckDeclaration();
    if (result.Clean()) return FixWarning() ? 1 : 0;
    if (result.Cancelled()) return 2;
    NavigateToFault(result);
    return 1;
}

bool TFormMain::FixWarning() {
    const QList<CheckFault> warnings = DeclarationWarnings(*declaration_);
    if (warnings.isEmpty()) return false;
    CheckResult chosen;
    if (answerer_) {
        chosen = AnswerWarnings(warnings, *answerer_);
    } else {
        TfmCheckError dialog(this);
        chosen = AnswerWarnings(warnings, dialog);
    }
    if (chosen.Clean()) return false;
    NavigateToFault(chosen);
    return true;
}

void TFormMain::NavigateToFault(const CheckResult& fault) {
    if (const std::optional<FaultDestination> destination = FaultDestinationOf(fault))
        NavigateTo(*destination);
}

void TFormMain::NavigateTo(const FaultDestination& destination) {
    if (SectionScreens::SectionOf(currentFrame_) != destination.Screen) ReplaceScreen(destination.Screen);
    currentSectionButton_ = SectionButton(destination.Screen);
    currentSectionButton_->SetDown(true);
    if (destination.SubScreen == FaultDestination::NoSubScreen)
        currentFrame_->ShowPosition(destination.Position);
    else
        currentFrame_->ShowSubScreen(destination.SubScreen, destination.Position);
    if (destination.Line > 0) currentFrame_->ShowLine(destination.Line);
}

// --- Closing -----------------------------------------------------------------------------------

void TFormMain::closeEvent(QCloseEvent* event) {
    bool allowed = false;
    Guarded([&] { allowed = AskToSave(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    autosave_->Discard();
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
    qApp->removeEventFilter(this);
    // The window's own destruction moves the focus; it must not reach a window half gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    delete currentFrame_;
    currentFrame_ = nullptr;
    inspectionPicker_.reset();
    countryPicker_.reset();
    okvedDocument_.reset();
    currencyRatesDocument_.reset();
    documentLock_.Release();
}

// --- Recovery copies ---------------------------------------------------------------------------

bool TFormMain::WriteRecoveryCopy(RecoveryCopy& copy) {
    if (Saved()) return true;
    StoreCurrentFrameQuietly();
    if (copy.Write(*declaration_, documentFileName_)) return true;
    // Said once: a failing disk would otherwise interrupt the typing every minute.
    if (!autosaveFailureShown_) {
        autosaveFailureShown_ = true;
        UserPrompts::Current().Message(
            this, QMessageBox::Warning,
            QStringLiteral("Не удалось записать резервную копию декларации; до сохранения изменения есть "
                           "только в памяти.\r") +
                copy.ErrorString());
    }
    return false;
}

void TFormMain::OfferRecovery() {
    if (startFailed_) return;
    std::vector<RecoveryCopy> copies = RecoveryCopy::TakeLeftOver(RecoveryFolder());
    for (RecoveryCopy& copy : copies) {
        switch (AskAboutRecoveryCopy(this, copy)) {
        case RecoveryChoice::Restore:
            if (RestoreCopy(copy)) return;
            break;
        case RecoveryChoice::OpenSaved: {
            const QString file = copy.DocumentFileName();
            copy.Remove();
            Guarded([&] { OpenDocument(file); });
            return;
        }
        case RecoveryChoice::Delete:
            copy.Remove();
            break;
        case RecoveryChoice::Later:
            break;
        }
    }
}

bool TFormMain::RestoreCopy(RecoveryCopy& copy) {
    auto restored = std::make_unique<mTDeclaration>();
    try {
        copy.Load(*restored);
    } catch (const std::exception& e) {
        copy.KeepAside();
        UserPrompts::Current().Message(
            this, QMessageBox::Critical,
            StorageFailureMessage(e) +
                QStringLiteral("\rРезервная копия не восстановлена и перенесена в папку ") +
                QDir::toNativeSeparators(
                    QDir(RecoveryFolder()).filePath(QLatin1String(RecoveryCopy::DamagedFolder))));
        return false;
    }
    // The copy is the file's declaration with changes not saved yet: it holds the file as opening it
    // would, and "Сохранить" writes the file.
    // Under the file's name only while that file is still the one the copy was made from. Restored, the
    // declaration differs from its file: it stays modified although there is nothing to undo.
    const QString file = copy.HoldUnchangedDocument(documentLock_);
    ShowDeclaration(std::move(restored), file, true);
    autosave_->Adopt(std::move(copy));
    autosave_->Changed();
    return true;
}
