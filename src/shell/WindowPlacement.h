#pragma once

#include <QRect>

// The window's place as the settings keep it (absent values are 0).
struct StoredPlacement {
    bool FullScreen = false;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct WindowPlacement {
    QRect Geometry;
    bool Maximised = false;
};

inline constexpr int MainWindowMinWidth = 800;
inline constexpr int MainWindowMinHeight = 571;
// The size a window opens with the first time: large enough for every screen to show whole, without
// scroll bars, and small enough for a 1366 × 768 screen; a smaller screen gets what it has.
inline constexpr int MainWindowDefaultWidth = 1100;
inline constexpr int MainWindowDefaultHeight = 700;

// Where the main window opens: the stored place, or a default window centred on the screen, moved
// and shrunk so that it lies on the screen (the work area, for the height). A maximised window
// keeps only its default size for when it is restored.
WindowPlacement PlaceMainWindow(const StoredPlacement& stored, int screenWidth, int workAreaHeight);
