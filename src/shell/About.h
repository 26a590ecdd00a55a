#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfmAbout;
}

// The About box: the program's picture and how to reach support. A click anywhere, "OK" or Escape
// closes it.
class TfmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfmAbout(QWidget* owner);
    ~TfmAbout() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TfmAbout> ui;
};
