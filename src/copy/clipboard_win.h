// The clipboard's side of the copies, run from the panel's message loop, never from the hook:
// opening the clipboard may wait on another program.
#pragma once

#include <windows.h>

#include <cstdint>

// The colour shown, or recent colour index, as text in the chosen copy format; a copy that
// the clipboard takes goes to the top of the recent colours.
void copyColourText();
void copyRecentColour(std::int32_t index);

// Empties the clipboard and hands it data, with the panel as owner. False when the clipboard
// could not be opened or refused the data: the caller still owns it then, and the clipboard
// keeps what it had.
bool handToClipboard(UINT format, HANDLE data);
