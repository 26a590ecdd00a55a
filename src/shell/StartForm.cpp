#include "shell/StartForm.h"

#include "desktop/GuiResources.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TStartForm::TStartForm(int minimumMs) : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    InitGuiResources();
    setObjectName(QStringLiteral("StartForm"));
    setFixedSize(460, 104);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/durovid/splash.jpg")));
    picture->setGeometry(rect());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    timer_.setSingleShot(true);
    timer_.start(minimumMs);
}

void TStartForm::WaitForTimer() {
    if (!timer_.isActive()) return;
    QEventLoop loop;
    connect(&timer_, &QTimer::timeout, &loop, &QEventLoop::quit);
    loop.exec();
}
