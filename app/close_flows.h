// The two ways the program ends: a close request to either of its windows.
#pragma once

// Saves the settings, lets the overlay go and ends the process with 0.
[[noreturn]] void OnSettingsWindowCanClose();
// Shuts GDI+ down, lets the settings window go and ends with 0, saving nothing.
[[noreturn]] void OnOverlayWindowCanClose();
void ShutdownGdiplus();
