#include "desktop/ContextHelp.h"

#include "desktop/HelpWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QWidget>

namespace {

const QString StartPage = QStringLiteral("runprogramm.htm");

// Classes whose help is a part of another page.
struct SharedPage {
    const char* className;
    const char* topic;
};

constexpr SharedPage SharedPages[] = {
    {"TFormMain", "runprogramm.htm"},
    {"TfmDocType", "TfrPersonNaim.htm#doctype"},
    {"TfmGrazhd", "TfrPersonNaim.htm#country"},
    {"TfmRegionName", "TfrPersonAddress.htm#region"},
    {"TfmInputDeductCode", "TfmInputIncomeCode.htm"},
    {"TfmInputCurrencyCode", "TfrCurrency.htm"},
    {"TFormOKVED", "TfmInputBusinessIncome.htm#okved"},
    {"TfmDif", "TfrFrameStandartDeduct.htm"},
    {"TfmDif2", "TfrFrameStandartDeduct.htm"},
    {"TfmReturnPreview", "PrintPreview.htm"},
};

// Screens ("Tfr…", "TTfr…"), dialogs ("Tfm…") and forms ("TForm…") are named so; anything else is a
// part of one of them.
bool IsScreenOrDialog(const QString& className) {
    return className.startsWith(QLatin1String("Tfr")) || className.startsWith(QLatin1String("Tfm")) ||
           className.startsWith(QLatin1String("TTfr")) || className.startsWith(QLatin1String("TForm"));
}

} // namespace

QString ContextHelpTopic(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QString className = QString::fromLatin1(w->metaObject()->className());
        if (!IsScreenOrDialog(className)) continue;
        for (const SharedPage& shared : SharedPages)
            if (className == QLatin1String(shared.className)) return QString::fromLatin1(shared.topic);
        return className + QStringLiteral(".htm");
    }
    return StartPage;
}

TContextHelp::TContextHelp(QObject* owner) : QObject(owner) {
    qApp->installEventFilter(this);
}

bool TContextHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || !watched->isWidgetType())
        return false;
    // Taking the override keeps F1 from the shortcuts, so the key reaches the focused widget here.
    event->accept();
    if (event->type() == QEvent::ShortcutOverride) return true;
    auto* widget = static_cast<QWidget*>(watched);
    QString topic = ContextHelpTopic(widget);
    if (!QFileInfo::exists(HelpPageFile(topic))) topic = StartPage;
    OpenHelpTopic(widget, topic, QStringLiteral("Main"));
    return true;
}
