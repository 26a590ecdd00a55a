#include "shell/WindowPlacement.h"

#include <algorithm>

WindowPlacement PlaceMainWindow(const StoredPlacement& stored, int screenWidth, int workAreaHeight) {
    int left = 0, top = 0, width = 0, height = 0;
    if (!stored.FullScreen) {
        left = stored.Left;
        top = stored.Top;
        width = stored.Width;
        height = stored.Height;
    }
    if (left + width == 0) {
        width = std::clamp(screenWidth, MainWindowMinWidth, MainWindowDefaultWidth);
        left = (screenWidth - width) / 2;
    }
    if (top + height == 0) {
        height = std::clamp(workAreaHeight, MainWindowMinHeight, MainWindowDefaultHeight);
        top = (workAreaHeight - height) / 2;
    }
    left = std::max(left, 0);
    top = std::max(top, 0);
    if (screenWidth - left < width) {
        width = MainWindowMinWidth;
        left = screenWidth - MainWindowMinWidth;
    }
    if (workAreaHeight - top < height) {
        height = MainWindowMinHeight;
        top = workAreaHeight - MainWindowMinHeight;
    }
    left = std::max(left, 0);
    top = std::max(top, 0);
    return {QRect(left, top, width, height), stored.FullScreen};
}
