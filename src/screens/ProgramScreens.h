#pragma once

// Registers the screen of every section the program has a screen for. The program calls it once
// at start-up; tests call it to work with the real screens.
void RegisterProgramScreens();
