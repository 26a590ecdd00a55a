#pragma once

// Loads Qt's own Russian texts (standard buttons, the file, folder and print dialogs) into the running
// application; false when the translation is not installed, and Qt then speaks English.
bool InstallQtTranslation();
