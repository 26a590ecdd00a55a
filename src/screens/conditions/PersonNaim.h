#pragma once

#include "screens/MyFrame.h"

#include <memory>

namespace Ui {
class TfrPersonNaim;
}

// The taxpayer's name page: name, INN, birth, identity document and citizenship. A 4-NDFL
// return shows name, INN, OKATO and phone only.
class TfrPersonNaim : public TThinkingFrame {
    Q_OBJECT

public:
    // Positions are those of PersonPosition.
    TfrPersonNaim(QWidget* owner, ScreenHost& host);
    ~TfrPersonNaim() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;

    // The kind of document chosen on the page (stored by Store).
    int DocTypeCode() const { return docTypeCode_; }

private:
    void Fill();
    void PickDocType();
    void PickCountry();
    // The document's fields are open to input once a kind is chosen.
    void OpenDocumentFields();

    std::unique_ptr<Ui::TfrPersonNaim> ui;
    int docTypeCode_ = 0;
};
