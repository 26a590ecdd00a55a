#pragma once

#include "records/RecordList.h"
#include "screens/MyFrame.h"

#include <memory>
#include <optional>

namespace Ui {
class TfrThirteenPercent;
}
class mTThirteenPercent;
class TfmInput13Income;
class TListEditor;

// Income at 13 % (of a non-resident: at 30 %), source by source from the income certificates: the
// sources, the income lines of the source shown, and the certificate's totals, which the user types
// and the screen never computes. The total income of a source is the sum of its lines.
class TfrThirteenPercent : public TThinkingFrame {
    Q_OBJECT

public:
    TfrThirteenPercent(QWidget* owner, ScreenHost& host);
    ~TfrThirteenPercent() override;

    void Store() override;
    // A source whose income is below the tax withheld; its number (from 1) when the user fixes it.
    quint16 Check() override;
    // Selects source n (from 1) in the focused source list.
    void ShowPosition(quint16 position) override;
    void ShowLine(quint16 line) override;
    void AfterSectionOpened() override;

protected:
    // Which list the screen edits: the 13 % sources of the return, or a non-resident's income at 13 %.
    enum class SourceList { IncomeSources13, IncomeSources13NR };
    TfrThirteenPercent(QWidget* owner, ScreenHost& host, SourceList list);

private:
    mTRecordList<mTThirteenPercent>& Sources() const;
    mTThirteenPercent* CurrentSource() const;
    bool NonResident() const;
    std::unique_ptr<TfmInput13Income> MakeLineDialog();

    std::optional<int> AddSource();
    bool EditSource(int row);
    void ShowSource(int row);
    void StoreTotals(int row);
    void ClearSource();
    void EnableLineControls(bool enabled);
    void ShowIncomeTotal();

    QStringList LineTexts(int row) const;
    std::optional<int> AddLine();
    bool EditLine(int row);
    void DeleteLine(int row);
    std::optional<int> RepeatLine(int row);

    std::unique_ptr<Ui::TfrThirteenPercent> ui;
    SourceList list_;
    std::unique_ptr<TListEditor> sources_;
    std::unique_ptr<TListEditor> lines_;
};
