#pragma once

#include "checks/Sections.h"

#include <QString>
#include <memory>

class mTCurrencyRates;
class mTDeclaration;
class mTIncomeDictionary;
class mTOkvedClassifier;
class TfmGrazhd;
class TfmInputInspectionNumber;

// What a section screen may ask of the window that shows it. The main window implements it; a test
// gives a screen a host of its own. Nothing else of the main window is open to the screens.
class ScreenHost {
public:
    using DeclarationField = std::unique_ptr<mTDeclaration>;

    virtual ~ScreenHost() = default;

    // The window's declaration field, not the root itself: a screen reaches the root through it every
    // time, so it always sees the root the window holds now.
    virtual DeclarationField* DeclarationRef() = 0;

    // While loading is set (a screen is created or refills its controls), the modification notice is
    // ignored. Screens set it through LoadingScope.
    virtual bool Loading() const = 0;
    virtual void SetLoading(bool loading) = 0;
    // The user changed a field: the declaration is marked modified unless loading is set, and the field's
    // value becomes an undoable step when the field is left.
    virtual void NotifyModified() = 0;
    // Bracket a change the screen makes to the records itself (a record added in its dialog, deleted,
    // repeated, a choice made): the change becomes one undoable step named text ("удаление источника
    // «…»"), when it changed anything. Use ChangeScope rather than calling these.
    virtual void BeginChange() = 0;
    virtual void EndChange(const QString& text) = 0;

    // Enables or disables the section buttons as the set says (the conditions screen opens sections
    // as the user ticks the kinds of income).
    virtual void OpenSectionButtons(const OpenSectionSet& open) = 0;

    // The pickers built once from the reference files and kept; nullptr when their file is missing or
    // unreadable.
    virtual TfmInputInspectionNumber* InspectionPicker() = 0;
    virtual TfmGrazhd* CountryPicker() = 0;

    // The reference documents: the income and deduction code dictionary always; the activity classifier
    // and the currency rates read at start, nullptr without their file.
    virtual const mTIncomeDictionary& Dictionary() const = 0;
    virtual const mTOkvedClassifier* OkvedClassifier() const = 0;
    virtual mTCurrencyRates* CurrencyRates() const = 0;
};

// Sets the host's loading flag for a scope (a screen filling its controls) and restores the previous
// state when the scope ends, also when an error leaves it.
class LoadingScope {
public:
    explicit LoadingScope(ScreenHost& host) : host_(host), previous_(host.Loading()) {
        host_.SetLoading(true);
    }
    ~LoadingScope() { host_.SetLoading(previous_); }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    ScreenHost& host_;
    bool previous_;
};

// One undoable step for the changes a screen makes within a scope; Name tells what the step is called
// in the undo menu once the change is made. A scope left without a change (a dialog cancelled) leaves
// no step.
class ChangeScope {
public:
    explicit ChangeScope(ScreenHost& host) : host_(host) { host_.BeginChange(); }
    ~ChangeScope() { host_.EndChange(text_); }
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

    void Name(const QString& text) { text_ = text; }

private:
    ScreenHost& host_;
    QString text_;
};
