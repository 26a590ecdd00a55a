#pragma once

class QWidget;
class RecoveryCopy;

enum class RecoveryChoice {
    Restore,   // "Восстановить": the copy becomes the open declaration, unsaved
    OpenSaved, // "Открыть сохранённый файл": the file as it was last saved; the copy goes
    Delete,    // "Удалить копию"
    Later      // the question closed: the copy stays for the next start
};

// Asks what to do with a copy that a program left when it did not close normally.
RecoveryChoice AskAboutRecoveryCopy(QWidget* parent, const RecoveryCopy& copy);
