#pragma once

#include <QDialog>
#include <memory>

class mTOkvedClassifier;
namespace Ui {
class TfmInputBusinessIncome;
}

// "Вид деятельности": the kind of one business activity and, for an entrepreneur, its activity code
// chosen in the classifier. The dialog checks nothing; the screen decides what an answer is worth.
class TfmInputBusinessIncome : public QDialog {
    Q_OBJECT

public:
    // Without the classifier (no file beside the program) the code cannot be chosen.
    TfmInputBusinessIncome(QWidget* owner, const mTOkvedClassifier* classifier);
    ~TfmInputBusinessIncome() override;

    // The kind as stored: "1" entrepreneurial, "2" notarial, "3" lawyer's, "4" other.
    QString Kind() const;
    // Any other text chooses the entrepreneurial kind.
    void SetKind(const QString& kind);
    QString Code() const;
    void SetCode(const QString& code);

private:
    void KindChanged();
    void PickCode();

    std::unique_ptr<Ui::TfmInputBusinessIncome> ui;
    const mTOkvedClassifier* classifier_;
};
