// Region capture and colour text copy.
#pragma once

#include <windows.h>

void startCapture();
void updateCaptureRect();
void endCapture(bool copy);
void copyColorText();
LRESULT captureSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
