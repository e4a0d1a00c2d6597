// The panel's colours.
#pragma once

#include "core/types.h"

inline constexpr Colour kPanelGround = 0x00C0C0C0;
inline constexpr Colour kHsvFill = 0x00B0B0B0;
inline constexpr Colour kHsvOutline = 0x00D0D0D0;
inline constexpr Colour kFilterStrip = 0x00E7FFFF;
inline constexpr Colour kBorderLight = 0x00F5F5F5;
inline constexpr Colour kBorderDark = 0x00000000;
inline constexpr Colour kBorderPinned = 0x00960000;
inline constexpr Colour kBorderFrozen = 0x00000096;
