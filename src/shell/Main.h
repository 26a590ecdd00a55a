#pragma once

#include "print/PrintModule.h"
#include "screens/SectionScreens.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class ICheckAnswerer;
class mTCurrencyRates;
class mTDeclaration;
class mTOkvedClassifier;
class QAction;
class QToolBar;
class QWidget;
class TFlashButton;
class TThinkingFrame;
class TfmGrazhd;
class TfmInputInspectionNumber;

// The main window: the section buttons on the left, the current section's screen on the right,
// the menu and the toolbar on top. It owns the one declaration and runs the document commands.
class TFormMain : public QMainWindow {
    Q_OBJECT

public:
    // The rules of the whole-declaration check: they report each fault to the answerer and return the
    // packed result (section code in the low half, position in the high half). The program installs
    // the real rules at start-up; tests may install their own.
    using DeclarationRules = std::function<quint32(mTDeclaration& declaration, ICheckAnswerer& answerer)>;

    // Creates the window and does all start-up work; arguments are the command line without the
    // program's name.
    explicit TFormMain(const QStringList& arguments, QWidget* parent = nullptr);
    ~TFormMain() override;

    // True when the tax-office reference could not be read: the program must end.
    bool StartFailed() const { return startFailed_; }
    // Shows the window where the settings put it, on a screen of the given size.
    void ShowPlaced();
    void ShowPlaced(int screenWidth, int workAreaHeight);

    TFlashButton* SectionButton(Section section) const { return sectionButtons_[int(section)]; }
    QAction* Action(const QString& objectName) const;
    QToolBar* ToolBar() const { return toolBar_; }
    QWidget* Container() const { return container_; }

    void SwitchSection(Section section);
    // 0: clean; 1: a fault was reported and shown; 2: the user cancelled.
    int CheckAndShow();
    quint32 CheckDeclaration();
    void ApplySectionEnabling();
    void RunPrintModule(PrintMode mode);

    // Installs the rules; returns the previous ones. Without rules the check cannot run and raises an error.
    static DeclarationRules SetDeclarationRules(DeclarationRules rules);
    // Answers faults instead of the dialog (not owned); nullptr brings the dialog back.
    void SetCheckAnswerer(ICheckAnswerer* answerer) { answerer_ = answerer; }

    std::unique_ptr<mTDeclaration> Declaration;
    QString DocumentFileName;
    TThinkingFrame* CurrentFrame = nullptr;
    TFlashButton* CurrentSectionButton = nullptr;
    bool Loading = false;
    bool Saved = true;
    std::unique_ptr<TfmInputInspectionNumber> InspectionPicker;
    bool InspectionPickerReady = false;
    std::unique_ptr<TfmGrazhd> CountryPicker;
    bool CountryPickerReady = false;
    // The activity classifier and the currency rates, kept for the whole run and read when first used
    // (a damaged file then reads as empty); none without their file.
    std::unique_ptr<mTOkvedClassifier> OkvedDocument;
    std::unique_ptr<mTCurrencyRates> CurrencyRatesDocument;

public slots:
    void New();
    void Open();
    void Save();
    void SaveAs();
    void Check();
    void Preview();
    void Print();
    void ExportXml();
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
    void ReadReferenceFiles();
    void ShowConditionsScreen();
    void ReplaceScreen(Section section);
    void StoreCurrentFrame();
    bool AskToSave();
    void SaveDeclaration();
    void UpdateTitle();
    void NavigateToFault(quint16 sectionCode, quint16 position);
    void Release();
    // Runs a command; an error it raises is shown by the program's general error handler.
    void Guarded(const std::function<void()>& command);

    std::array<TFlashButton*, SectionCount> sectionButtons_{};
    QToolBar* toolBar_ = nullptr;
    QWidget* container_ = nullptr;
    ICheckAnswerer* answerer_ = nullptr;
    bool startFailed_ = false;
    bool released_ = false;
};
