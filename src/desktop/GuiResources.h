#pragma once

// Registers the pictures of the desktop program (the GUI library is static, so its resources are
// registered explicitly).
void InitGuiResources();
