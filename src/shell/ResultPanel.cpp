#include "shell/ResultPanel.h"

#include "explain/ExplainText.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

const QString RefundLink = QStringLiteral("refund");
const QString PaymentLink = QStringLiteral("payment");

} // namespace

TResultPanel::TResultPanel(QWidget* parent) : QFrame(parent), label_(new QLabel(this)) {
    setObjectName(QStringLiteral("pnResult"));
    label_->setObjectName(QStringLiteral("lbResult"));
    label_->setTextFormat(Qt::RichText);
    label_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(label_);
    connect(label_, &QLabel::linkActivated, this, [this](const QString& link) {
        const ResultRef line = balance_.LineOf(link == RefundLink);
        if (line.IsSet()) emit LineChosen(line);
    });
}

void TResultPanel::Refresh(mTDeclaration& declaration) {
    balance_ = BalanceOf(declaration);
    const std::vector<BudgetBalance::Item> items = balance_.Items();
    if (items.empty()) {
        label_->setText(balance_.Headline().toHtmlEscaped());
        label_->setToolTip(balance_.Error);
        return;
    }
    QStringList html;
    for (const BudgetBalance::Item& item : items) {
        const QString amount = GroupedAmountText(item.Amount) + QStringLiteral("&nbsp;руб.");
        // Nothing to show in the explanation for a payment of nothing.
        const QString shown =
            item.Amount.IsZero()
                ? amount
                : QStringLiteral("<a href=\"%1\">%2</a>").arg(item.Refund ? RefundLink : PaymentLink, amount);
        html << QStringLiteral("%1: <b>%2</b>").arg(item.Caption.toHtmlEscaped(), shown);
    }
    label_->setText(html.join(QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;")));
    QStringList tip = balance_.Breakdown();
    if (!tip.isEmpty()) tip.prepend(QStringLiteral("По ставкам налога:"));
    if (!tip.isEmpty()) tip << QStringLiteral("Щелчок по сумме открывает «Расчёт налога».");
    label_->setToolTip(tip.join(QLatin1Char('\n')));
}
