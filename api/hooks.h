// The thread hooks that close a dropped list when the user presses a mouse
// button elsewhere or opens a menu with the keyboard.
#pragma once

#include <windows.h>

bool InstallHooks(HINSTANCE instance);
// Removes each hook once: a second call finds no handle and does nothing.
void ReleaseHooks();
