#pragma once

#include <QString>

class QWidget;

// Opens a web page in the browser; says "Не удалось запустить браузер" when that fails.
void OpenInBrowser(QWidget* owner, const QString& url);
