#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class QKeyEvent;
class QUrl;
namespace Ui {
class THelpWindow;
}

// The program's help: pages in the help folder beside the program, shown in a help window of a
// given type ("Main"), one window per type, maximised. The contents list on the left follows
// "contents.txt" (one "file; title" a line, in reading order); back and forward walk the pages seen;
// the search finds a text in the page shown and then in the following pages; Escape closes.
class THelpWindow : public QWidget {
    Q_OBJECT

public:
    THelpWindow(QWidget* owner, const QString& windowType);
    ~THelpWindow() override;

    // Shows a page of the help folder, at an anchor of it when topic is "page.htm#anchor".
    void ShowTopic(const QString& topic);
    // The page shown ("runprogramm.htm") and its anchor (empty when none).
    QString CurrentTopic() const;
    QString CurrentAnchor() const;
    // Finds text from the place of the last find onwards, going on to the next pages of the contents
    // and round to the first; false when the help holds it nowhere.
    bool FindText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadContents();
    void SelectInContents(const QUrl& source);
    bool FindInPage(const QString& text, bool fromStart);

    std::unique_ptr<Ui::THelpWindow> ui;
};

// Opens a topic ("page.htm" or "page.htm#anchor"); when the page is missing, says "Не найден файл
// справки Zizo2010.chm" and returns false.
bool OpenHelpTopic(QWidget* owner, const QString& topic, const QString& windowType);
// The help folder with a trailing separator.
QString HelpFolder();
// The file of a topic's page, without its anchor.
QString HelpPageFile(const QString& topic);
