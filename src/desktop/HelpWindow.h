#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's help: pages in the help folder beside the program, shown in a help window of a
// given type ("Main", "InitialData"), one window per type, maximised.
class THelpWindow : public QWidget {
    Q_OBJECT

public:
    THelpWindow(QWidget* owner, const QString& windowType);
    void ShowTopic(const QString& file);
    QString CurrentTopic() const;

private:
    QTextBrowser* browser_;
};

// Opens a topic; when the help is missing, says "Не найден файл справки Zizo2010.chm" and returns false.
bool OpenHelpTopic(QWidget* owner, const QString& topic, const QString& windowType);
QString HelpFolder();
