#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The help page of the screen or dialog that holds widget: the page named after the class of the
// nearest screen or dialog around it ("TfrInitialData.htm"), or the page and anchor that cover a class
// without a page of its own ("TfrPersonNaim.htm#doctype"). The start page when there is none.
QString ContextHelpTopic(const QWidget* widget);

// F1 anywhere in the program, in the main window and in every dialog: opens the help at the page of
// the focused widget's screen or dialog, falling back to the start page when that page is missing.
// Lives as long as its owner.
class TContextHelp : public QObject {
    Q_OBJECT

public:
    explicit TContextHelp(QObject* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
