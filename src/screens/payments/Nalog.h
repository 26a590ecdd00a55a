#pragma once

#include "screens/MyFrame.h"

#include <memory>
#include <optional>

namespace Ui {
class TfrNalog;
}
class TListEditor;

// "Уплата по уведомлениям": the payments of tax made on tax notices, a list edited through the payment
// dialog. Nothing here is checked.
class TfrNalog : public TThinkingFrame {
    Q_OBJECT

public:
    TfrNalog(QWidget* owner, ScreenHost& host);
    ~TfrNalog() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;
    void AfterSectionOpened() override;

private:
    std::optional<int> AddPayment();
    bool EditPayment(int row);

    std::unique_ptr<Ui::TfrNalog> ui;
    std::unique_ptr<TListEditor> list_;
};
