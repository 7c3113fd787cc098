#pragma once
#include <windows.h>

// Pixels per logical inch of the screen, as the system scaled the dialogs for it (the program
// declares itself DPI aware, so nothing stretches its window afterwards).
int ScreenDpi();

// A length in pixels at 96 DPI, at the screen's DPI.
int ScaleToScreen(int pixels);
