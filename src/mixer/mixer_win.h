// The colour mixer mode on the overlay window, and the snapshot's Win32 side.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/effects.h"
#include "core/types.h"

// The mixer's own record is private to this file. Its decisions, for the effects EnterMixer,
// MixerHoldScreen, MixerReady, ExitMixer, MixerMove, MixerRelease and the panel's UM_MIXERRELEASE, for the overlay's messages while it serves
// the mixer, and for the panel's pointer moves: the effects they give back are for the
// caller to carry out.
Effects mixerDecision(const Effect& e);
Effects mixerRecolourDecision(bool picked);
Effects mixerOverlay(unsigned message, std::int32_t x, std::int32_t y);

// Carrying out the mixer's effects.
void markMatchesShown(Colour target, std::int32_t tolerance, bool restore);
void recolour(Colour colour);
void showSnapshot(HDC dc);
void showSnapshotOnOverlay();
void showMixerOverlay();
void startMixerTimer();
void drawSlider(std::int32_t which);
void drawColourSliders(HDC panel);
void stopMixerTimer();

// The snapshot: made for a screen area, filled from the screen, released.
bool createSnapshot(const Rect& area);
void grabScreen();
void freeSnapshot();
