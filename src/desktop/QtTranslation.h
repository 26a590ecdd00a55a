#pragma once

// Makes the running application Russian whatever the system's locale: the default locale (the
// calendar pop-up, Qt's number and date forms) and Qt's own texts (standard buttons, the file, folder
// and print dialogs). False when Qt's translation is not installed; its dialogs then speak English.
bool InstallQtTranslation();
