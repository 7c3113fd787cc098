#pragma once
#include <windows.h>

// Whether the user has the system's high-contrast setting on: our own painting then keeps to the
// system's colours. It goes through here so tests can turn it on (Wine always answers off).
using HighContrastFn = bool (*)();

bool IsHighContrast();
// Replaces the function behind IsHighContrast (null restores the system's answer); returns the
// previous one.
HighContrastFn SetHighContrastFunction(HighContrastFn fn);
