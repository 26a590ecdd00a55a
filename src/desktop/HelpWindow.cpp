#include "desktop/HelpWindow.h"

#include "desktop/ProgramDir.h"
#include "desktop/UserPrompts.h"
#include "ui_HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTextDocument>
#include <QUrl>

namespace {

QUrl TopicUrl(const QString& topic) {
    // The anchor goes in as the URL's fragment: a "#" inside a local file name would be encoded.
    QUrl url = QUrl::fromLocalFile(HelpPageFile(topic));
    const QString anchor = topic.section(QLatin1Char('#'), 1);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    return url;
}

QString PageText(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    QTextDocument document;
    document.setHtml(QString::fromUtf8(f.readAll()));
    return document.toPlainText();
}

} // namespace

THelpWindow::THelpWindow(QWidget* owner, const QString& windowType)
    : QWidget(owner, Qt::Window), ui(std::make_unique<Ui::THelpWindow>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("help") + windowType);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->spContents->setStretchFactor(1, 1);
    ui->spContents->setSizes({300, 600});
    ui->tbPage->setOpenExternalLinks(true);
    ui->bnBack->setShortcut(QKeySequence::Back);
    ui->bnForward->setShortcut(QKeySequence::Forward);
    ui->bnFind->setShortcut(QKeySequence::FindNext);

    connect(ui->bnBack, &QToolButton::clicked, ui->tbPage, &QTextBrowser::backward);
    connect(ui->bnForward, &QToolButton::clicked, ui->tbPage, &QTextBrowser::forward);
    connect(ui->bnHome, &QToolButton::clicked, this,
            [this] { ShowTopic(QStringLiteral("runprogramm.htm")); });
    connect(ui->tbPage, &QTextBrowser::backwardAvailable, ui->bnBack, &QWidget::setEnabled);
    connect(ui->tbPage, &QTextBrowser::forwardAvailable, ui->bnForward, &QWidget::setEnabled);
    connect(ui->tbPage, &QTextBrowser::sourceChanged, this, &THelpWindow::SelectInContents);
    connect(ui->lvContents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toString()); });
    connect(ui->lvContents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toString()); });
    const auto find = [this] {
        const bool found = FindText(ui->edSearch->text());
        ui->lbFound->setText(found || ui->edSearch->text().isEmpty() ? QString()
                                                                     : QStringLiteral("Не найдено"));
    };
    connect(ui->edSearch, &QLineEdit::returnPressed, this, find);
    connect(ui->bnFind, &QToolButton::clicked, this, find);
    connect(ui->edSearch, &QLineEdit::textChanged, ui->lbFound, &QLabel::clear);

    LoadContents();
}

THelpWindow::~THelpWindow() = default;

void THelpWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window from wherever in it the focus is.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void THelpWindow::LoadContents() {
    QFile contents(HelpFolder() + QStringLiteral("contents.txt"));
    if (!contents.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    for (const QString& line : QString::fromUtf8(contents.readAll()).split(QLatin1Char('\n'))) {
        const QString file = line.section(QLatin1Char(';'), 0, 0).trimmed();
        const QString title = line.section(QLatin1Char(';'), 1).trimmed();
        if (file.isEmpty() || title.isEmpty()) continue;
        auto* item = new QListWidgetItem(title, ui->lvContents);
        item->setData(Qt::UserRole, file);
    }
}

void THelpWindow::ShowTopic(const QString& topic) {
    ui->tbPage->setSource(TopicUrl(topic));
    showMaximized();
    raise();
    activateWindow();
}

void THelpWindow::SelectInContents(const QUrl& source) {
    const QString file = QFileInfo(source.toLocalFile()).fileName();
    for (int i = 0; i < ui->lvContents->count(); ++i) {
        QListWidgetItem* item = ui->lvContents->item(i);
        if (item->data(Qt::UserRole).toString() != file) continue;
        const QSignalBlocker quiet(ui->lvContents);
        ui->lvContents->setCurrentItem(item);
        return;
    }
    ui->lvContents->clearSelection();
}

QString THelpWindow::CurrentTopic() const {
    return QFileInfo(ui->tbPage->source().toLocalFile()).fileName();
}

QString THelpWindow::CurrentAnchor() const {
    return ui->tbPage->source().fragment();
}

bool THelpWindow::FindInPage(const QString& text, bool fromStart) {
    if (fromStart) ui->tbPage->moveCursor(QTextCursor::Start);
    return ui->tbPage->find(text);
}

bool THelpWindow::FindText(const QString& text) {
    if (text.trimmed().isEmpty()) return false;
    if (FindInPage(text, false)) return true;
    // The pages after the one shown, then round to it again from its start.
    QStringList pages;
    for (int i = 0; i < ui->lvContents->count(); ++i)
        pages << ui->lvContents->item(i)->data(Qt::UserRole).toString();
    const int current = pages.indexOf(CurrentTopic());
    for (int step = 1; step <= pages.size(); ++step) {
        const QString& page = pages[(std::max(current, 0) + step) % pages.size()];
        if (page != CurrentTopic() && !PageText(HelpFolder() + page).contains(text, Qt::CaseInsensitive))
            continue;
        if (page != CurrentTopic()) ShowTopic(page);
        if (FindInPage(text, true)) return true;
    }
    return FindInPage(text, true);
}

QString HelpFolder() {
    return ProgramDir() + QStringLiteral("help") + QDir::separator();
}

QString HelpPageFile(const QString& topic) {
    return HelpFolder() + topic.section(QLatin1Char('#'), 0, 0);
}

bool OpenHelpTopic(QWidget* owner, const QString& topic, const QString& windowType) {
    if (!QFileInfo::exists(HelpPageFile(topic))) {
        UserPrompts::Current().Message(owner, QMessageBox::Critical,
                                       QStringLiteral("Не найден файл справки Zizo2010.chm"));
        return false;
    }
    QWidget* top = owner ? owner->window() : nullptr;
    auto* window = qobject_cast<THelpWindow*>(top);
    if (!window && top) window = top->findChild<THelpWindow*>(QStringLiteral("help") + windowType);
    if (!window) window = new THelpWindow(top, windowType);
    window->ShowTopic(topic);
    return true;
}
