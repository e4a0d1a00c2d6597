// Private window messages, all posted to the panel window.
#pragma once

inline constexpr unsigned UM_TRAY = 0x8000 + 100;     // tray icon notification
inline constexpr unsigned UM_READOUT = 0x8000 + 101;  // repaint magnifier and readouts; lParam 1: mixer preview
inline constexpr unsigned UM_FRAME = 0x8000 + 102;    // repaint background, outlines, border
inline constexpr unsigned UM_SITE = 0x8000 + 103;     // open the maker's web page
inline constexpr unsigned UM_MAIL = 0x8000 + 104;     // open a mail message to the maker
// The clipboard copies the hook asks for. Opening the clipboard may wait on another
// program, which must never happen inside the hook's callback: the system silently drops
// a low-level hook that overruns its time.
inline constexpr unsigned UM_COPYTEXT = 0x8000 + 105;   // the shown colour as text
inline constexpr unsigned UM_COPYBITMAP = 0x8000 + 106; // the band's pixels, cut on the release
inline constexpr unsigned UM_MIXERRELEASE = 0x8000 + 107; // the mixer's recolouring; wParam: after a pick
// Moving a window costs a millisecond and more, and every post a round trip: the hook asks
// for the panel to be placed and repainted, at most once until the panel has done it.
inline constexpr unsigned UM_PLACE = 0x8000 + 108;       // place the panel, then its readouts
// The keyboard hook asks the same of a step of the frozen panel's point: the pointer set there
// and the readouts repainted though frozen, at most once until the panel has done it.
inline constexpr unsigned UM_STEP = 0x8000 + 109;
// The mixer's entry, sent by the executors whose work each waits for: the frozen screen's
// memory is held, the mode begins; the panel has been placed with the mixer's rows.
inline constexpr unsigned UM_MIXERSTART = 0x8000 + 110;
inline constexpr unsigned UM_MIXERPLACED = 0x8000 + 111;

// The panel's timer that installs the mouse hook anew when the system has dropped it.
inline constexpr unsigned kHookWatchTimer = 2;
// The panel's one-shot timer that takes the capture's picture once the panel has left the
// screen: the thread keeps serving the hook and repainting meanwhile.
inline constexpr unsigned kPictureTimer = 3;

// The system's own messages that the decisions read, by their Win32 values.
namespace wm {
inline constexpr unsigned Paint = 0x000F;
inline constexpr unsigned EndSession = 0x0016;
inline constexpr unsigned EraseBackground = 0x0014;
inline constexpr unsigned MouseActivate = 0x0021;
inline constexpr unsigned DisplayChange = 0x007E;
inline constexpr unsigned DpiChanged = 0x02E0;
inline constexpr unsigned Command = 0x0111;
inline constexpr unsigned Timer = 0x0113;
inline constexpr unsigned MouseMove = 0x0200;
inline constexpr unsigned LeftDown = 0x0201;
inline constexpr unsigned LeftUp = 0x0202;
inline constexpr unsigned LeftDoubleClick = 0x0203;
inline constexpr unsigned RightDown = 0x0204;
inline constexpr unsigned RightUp = 0x0205;
}  // namespace wm

// The keys the keyboard hook acts on, by their Win32 virtual-key codes.
namespace vk {
inline constexpr unsigned Return = 0x0D, Escape = 0x1B, Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28;
}  // namespace vk

inline constexpr long kNoActivate = 3;  // MA_NOACTIVATE
