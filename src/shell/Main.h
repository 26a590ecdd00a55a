#pragma once

#include "checks/CheckResult.h"
#include "checks/Sections.h"
#include "editing/EditView.h"
#include "print/PrintModule.h"
#include "screens/ScreenHost.h"
#include "shell/CoreServices.h"
#include "storage/FileLock.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class ICheckAnswerer;
class TDeclarationHistory;
class RecoveryCopy;
class TAutosave;
struct FaultDestination;
class QAction;
class QToolBar;
class QWidget;
class TFlashButton;
class TResultPanel;
class TThinkingFrame;
struct ResultRef;

// The main window: the section buttons on the left, the current section's screen on the right,
// the menu and the toolbar on top. It owns the one declaration and runs the document commands; the
// screens reach it only as their ScreenHost.
class TFormMain : public QMainWindow, public ScreenHost {
    Q_OBJECT

public:
    // Creates the window and does all start-up work; arguments are the command line without the
    // program's name. The window runs the check, the export and printing through services (not owned;
    // nullptr: the core's own).
    explicit TFormMain(const QStringList& arguments, CoreServices* services = nullptr,
                       QWidget* parent = nullptr);
    ~TFormMain() override;

    // True when the tax-office reference could not be read: the program must end.
    bool StartFailed() const { return startFailed_; }
    // Offers the recovery copies that programs left when they did not close normally (run once the
    // window is shown).
    void OfferRecovery();
    // The recovery copy of the declaration and when it is written (tests shorten the wait).
    TAutosave& Autosave() const { return *autosave_; }
    // The lock on the open declaration's file, held from opening until it is closed.
    const FileLock& DocumentLock() const { return documentLock_; }
    // Shows the window where the settings put it, on a screen of the given size.
    void ShowPlaced();
    void ShowPlaced(int screenWidth, int workAreaHeight);

    TFlashButton* SectionButton(Section section) const { return sectionButtons_[int(section)]; }
    QAction* Action(const QString& objectName) const;
    QToolBar* ToolBar() const { return toolBar_; }
    QWidget* Container() const { return container_; }
    TResultPanel* ResultPanel() const { return resultPanel_; }

    // The declaration, its file (empty for a new one) and whether it is saved as it stands.
    mTDeclaration& Declaration() const { return *declaration_; }
    const QString& DocumentFileName() const { return documentFileName_; }
    // No unsaved change: nothing done since the last save (or opening) that is not undone again.
    bool Saved() const;
    // The undo history of the open declaration.
    TDeclarationHistory& History() const { return *history_; }
    // Shows a declaration as "Открыть" shows one it has read: the conditions screen, the section buttons
    // it opens, the file's name in the title; nothing to save yet.
    // unsaved: the declaration differs from its file (a restored recovery copy).
    void ShowDeclaration(std::unique_ptr<mTDeclaration> declaration, const QString& fileName = QString(),
                         bool unsaved = false);

    TThinkingFrame* CurrentFrame() const { return currentFrame_; }
    TFlashButton* CurrentSectionButton() const { return currentSectionButton_; }
    void SwitchSection(Section section);
    // 0: clean; 1: a fault was reported and shown; 2: the user cancelled.
    int CheckAndShow();

    // Answers faults instead of the dialog (not owned); nullptr brings the dialog back.
    void SetCheckAnswerer(ICheckAnswerer* answerer) { answerer_ = answerer; }

    // ScreenHost
    DeclarationField* DeclarationRef() override { return &declaration_; }
    bool Loading() const override { return loading_; }
    void SetLoading(bool loading) override { loading_ = loading; }
    void NotifyModified() override;
    void BeginChange() override;
    void EndChange(const QString& text) override;
    void OpenSectionButtons(const OpenSectionSet& open) override;
    TfmInputInspectionNumber* InspectionPicker() override { return inspectionPicker_.get(); }
    TfmGrazhd* CountryPicker() override { return countryPicker_.get(); }
    const mTIncomeDictionary& Dictionary() const override;
    const mTOkvedClassifier* OkvedClassifier() const override { return okvedDocument_.get(); }
    mTCurrencyRates* CurrencyRates() const override { return currencyRatesDocument_.get(); }

public slots:
    void New();
    void Open();
    void Save();
    void SaveAs();
    // "Загрузить справку 2-НДФЛ…": the taxpayer's income certificates, one undoable step.
    void ImportCertificate();
    void Undo();
    void Redo();
    void Check();
    void Preview();
    void Print();
    void ExportXml();
    void ExplainTax();
    // "Расчёт налога" opened at the step that gives the result field.
    void ExplainTaxAt(const ResultRef& line);
    // "Документы к декларации".
    void ShowAttachedDocuments();
    void Help();
    void About();
    void SetStdToolbar(bool show);
    void SetTextLabels(bool labels);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void BuildMenuAndToolbar();
    void BuildSectionButtons(QWidget* panel);
    void ApplyToolbarLabels(bool labels);
    void LoadCommandLineFile(const QStringList& arguments);
    // Reads a declaration file into a new root, the document lock moving to the file; nullptr (after
    // saying why) when it cannot be read, the lock then as it was.
    std::unique_ptr<mTDeclaration> ReadDeclaration(const QString& fileName);
    // Opens the file as "Открыть" does after its dialog: an empty new declaration when there is no
    // file or it cannot be read.
    void OpenDocument(const QString& fileName);
    bool RestoreCopy(RecoveryCopy& copy);
    bool WriteRecoveryCopy(RecoveryCopy& copy);
    void ReadReferenceFiles();
    void ShowConditionsScreen();
    void ReplaceScreen(Section section);
    // Stores the screen's fields into the records: a field edit in progress becomes an undoable step.
    void StoreCurrentFrame();
    // Stores the screen's fields without a step and without a modification notice (the recovery copy).
    void StoreCurrentFrameQuietly();
    void CreateHistory();
    EditView CurrentView() const;
    // Builds the screens again from the declaration (undo and redo replaced it) and puts the user at view.
    void ShowView(const EditView& view);
    void UpdateUndoActions();
    void FocusChanged(QWidget* old, QWidget* now);
    // The user changed field (nullptr: something on the screen): a step begins or goes on.
    void FieldChanged(QWidget* field);
    bool AskToSave();
    // A file of the recent-files list: opened as "Открыть" opens it.
    void OpenRecent(const QString& fileName);
    // Before printing: the documents to attach, when there are any, offered to be seen first.
    void OfferAttachedDocuments();
    // After a clean check: the warnings, one by one; true when the user chose to fix one (and was led
    // there).
    bool FixWarning();
    void SaveDeclaration();
    void UpdateTitle();
    // What follows the saved state: the title's mark of unsaved changes and the recovery copy.
    void ModifiedChanged(bool modified);
    CheckResult CheckDeclaration();
    void NavigateToFault(const CheckResult& fault);
    void NavigateTo(const FaultDestination& destination);
    void RunPrintModule(PrintMode mode);
    // Shows what an export has to tell although it went on.
    void ShowExportWarnings(const ExportOutcome& outcome);
    void Release();
    // Runs a command; an error it raises is shown by the program's general error handler.
    void Guarded(const std::function<void()>& command);

    CoreServices& services_;
    DeclarationField declaration_;
    QString documentFileName_;
    TThinkingFrame* currentFrame_ = nullptr;
    TFlashButton* currentSectionButton_ = nullptr;
    bool loading_ = false;
    std::unique_ptr<TDeclarationHistory> history_;
    // Held from opening the file until the declaration is closed, so that no other program can open
    // or overwrite it meanwhile.
    FileLock documentLock_;
    std::unique_ptr<TAutosave> autosave_;
    bool autosaveFailureShown_ = false;
    std::unique_ptr<TfmInputInspectionNumber> inspectionPicker_;
    std::unique_ptr<TfmGrazhd> countryPicker_;
    // The activity classifier and the currency rates, kept for the whole run and read when first used
    // (a damaged file then reads as empty); none without their file.
    std::unique_ptr<mTOkvedClassifier> okvedDocument_;
    std::unique_ptr<mTCurrencyRates> currencyRatesDocument_;

    std::array<TFlashButton*, SectionCount> sectionButtons_{};
    QToolBar* toolBar_ = nullptr;
    QWidget* container_ = nullptr;
    TResultPanel* resultPanel_ = nullptr;
    ICheckAnswerer* answerer_ = nullptr;
    bool startFailed_ = false;
    bool released_ = false;
};
