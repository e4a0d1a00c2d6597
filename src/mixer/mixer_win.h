// The colour mixer mode on the overlay window, and the snapshot's Win32 side.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/types.h"
#include "mixer/mixer.h"

// The mixer's own record, which its decisions are given.
extern MixerState mixer;

// Carrying out the mixer's effects. The entry's two steps that wait for work done here tell the
// panel, whose decisions go on: the snapshot's memory held (UM_MIXERSTART; none, no mixer), and
// the panel placed with the mixer's rows (UM_MIXERPLACED).
void enterMixer();
void tellMixerPlaced();
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
