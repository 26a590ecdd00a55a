#pragma once

#include "checks/CheckResult.h"
#include "checks/Sections.h"
#include "desktop/ScreenHost.h"
#include "print/PrintModule.h"
#include "shell/CoreServices.h"
#include "storage/FileLock.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class ICheckAnswerer;
class RecoveryCopy;
class TAutosave;
struct FaultDestination;
class QAction;
class QToolBar;
class QWidget;
class TFlashButton;
class TThinkingFrame;

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

    // The declaration, its file (empty for a new one) and whether it is saved as it stands.
    mTDeclaration& Declaration() const { return *declaration_; }
    const QString& DocumentFileName() const { return documentFileName_; }
    bool Saved() const { return saved_; }
    // Shows a declaration as "Открыть" shows one it has read: the conditions screen, the section buttons
    // it opens, the file's name in the title; nothing to save yet.
    void ShowDeclaration(std::unique_ptr<mTDeclaration> declaration, const QString& fileName = QString());

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
    void Check();
    void Preview();
    void Print();
    void ExportXml();
    void ExplainTax();
    void Help();
    void About();
    void SetStdToolbar(bool show);
    void SetTextLabels(bool labels);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void BuildMenuAndToolbar();
    void BuildSectionButtons(QWidget* panel);
    void ApplyToolbarLabels(bool labels);
    void LoadCommandLineFile(const QStringList& arguments);
    bool LoadDeclaration(const QString& fileName);
    // Opens the file as "Открыть" does after its dialog: an empty new declaration when there is no
    // file or it cannot be read.
    void OpenDocument(const QString& fileName);
    bool RestoreCopy(RecoveryCopy& copy);
    bool WriteRecoveryCopy(RecoveryCopy& copy);
    void ReadReferenceFiles();
    void ShowConditionsScreen();
    void ReplaceScreen(Section section);
    void StoreCurrentFrame();
    bool AskToSave();
    void SaveDeclaration();
    void UpdateTitle();
    // Saved and the title's mark of unsaved changes.
    void SetSaved(bool saved);
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
    bool saved_ = true;
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
    ICheckAnswerer* answerer_ = nullptr;
    bool startFailed_ = false;
    bool released_ = false;
};
