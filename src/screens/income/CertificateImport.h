#pragma once

#include <functional>

class QWidget;
class ScreenHost;

// "Загрузить справку 2-НДФЛ…": asks for a file of income certificates, finds the taxpayer's (or lets the
// user choose whose), shows what will be added and, once the user agrees, adds it as one undoable step
// "загрузка справки 2-НДФЛ". show is called within that step with the Russian-income sub-screen that
// shows the first source added, so that the screen shown is built from the new records. A file that
// cannot be loaded is explained and changes nothing. True when the declaration changed.
bool ImportIncomeCertificate(QWidget* owner, ScreenHost& host,
                             const std::function<void(int subScreen)>& show);
