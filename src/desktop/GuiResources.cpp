#include "desktop/GuiResources.h"

#include <QtGlobal>

void InitGuiResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(gui);
        return true;
    }();
    (void)done;
}
