// What a decision asks the Win32 side to carry out, as plain values, in order.
//
// Every source of events (the hook, the panel, the overlay, the timer, the commands) has a
// platform-free function that takes the state and the event, updates the state and returns
// these, so that what an event means is tested as a table without Windows; the _win files
// read the system and carry them out.
//
// The hand-overs (marked "hand-over") pass an event on to the decision that owns what it
// changes, where the decision that met the event sits below that owner and cannot call it (the
// hook's decision cannot call the capture's). They are decided before anything is carried out
// (app/handover.h): what is carried out is platform work only.
#pragma once

#include <cassert>
#include <cstdint>

// Each effect with the meaning of its arguments a, b, c, d.
#define TINTSPOT_EFFECTS(X)                                                                          \
    X(Post)            /* post message a to the panel, wParam b, lParam c */                        \
    X(Layout)          /* recompute the geometry, resize and place the panel, repaint its frame */  \
    X(ReadScreen)      /* read the monitors' sizes again */                                          \
    X(ShowPanel)       /* show the panel and install the hook */                                     \
    X(HidePanel)       /* hide the panel and remove the hook */                                      \
    X(ApplyVisibility) /* show or hide the panel window as `show` says */                            \
    X(PlacePanel)      /* move the panel window where placement puts it */                           \
    X(WatchHook)       /* install the hook again if the system dropped it */                         \
    X(SetCheck)        /* menu item a checked when b */                                              \
    X(OpenPanelMenu)   /* the popup menu beside the panel */                                         \
    X(OpenTrayMenu)    /* the popup menu at the tray */                                              \
    X(Exit)            /* destroy both windows: the message loop ends */                             \
    X(StoreSettings)   /* the settings to the registry, as the exit stores them */                   \
    X(PaintPanel)      /* the panel's WM_PAINT: frame, then readouts */                              \
    X(PaintFrame)      /* repaint background, outlines, border, labels */                           \
    X(PaintReadouts)   /* repaint magnifier and readouts; a: mixer preview; b: though frozen */     \
    X(MovePointer)     /* the pointer to (a, b), which the hooks take as seen */                     \
    X(CopyText)        /* the shown colour to the clipboard as text */                               \
    X(CopyBitmap)      /* the cut band to the clipboard */                                           \
    X(CopyRecent)      /* recent colour a to the clipboard again, and to the top of the list */     \
    X(SavePalette)     /* the recent colours to a file chosen in the Save As dialog */               \
    X(OpenSite)        /* the maker's web page */                                                    \
    X(OpenMail)        /* a mail message to the maker */                                             \
    X(SetCursor)       /* the pointer's shape: a is a CursorShape */                                 \
    X(PointerToState)  /* cursorX, cursorY from where the pointer really is */                       \
    X(TogglePin)       /* hand-over: pinned flips; frozen ends */                                    \
    X(ToggleFreeze)    /* hand-over: frozen flips */                                                 \
    X(StartCapture)    /* hand-over: region capture begins */                                        \
    X(CaptureMove)     /* hand-over: the capture follows the pointer */                              \
    X(CapturePress)    /* hand-over: a press fixes the band's corner */                              \
    X(EndCapture)      /* hand-over: the capture ends; a: copy the band */                           \
    X(ClearPanel)      /* the panel off the screen; the picture timer started */                     \
    X(StopPictureTimer) /* the one-shot picture timer stopped */                                     \
    X(HoldScreen)      /* hand-over: the picture timer ended; the capture's picture and overlay */   \
    X(TakePicture)     /* the screen in rectangle a, b, c, d held still for the capture */          \
    X(ShowOverlay)     /* the overlay over rectangle a, b, c, d, topmost, with the pointer */       \
    X(LiftPanel)       /* the panel shown again above the overlay */                                 \
    X(ReleasePointer)  /* the overlay lets the pointer go */                                         \
    X(CutBand)         /* the screen's pixels in rectangle a, b, c, d kept for the clipboard */     \
    X(ParkOverlay)     /* the overlay hidden at (-1, -1), 1 x 1 */                                   \
    X(ReleasePicture)  /* the capture's still picture let go */                                      \
    X(InvalidateOverlay) /* the whole overlay to be painted */                                       \
    X(PaintCapture)    /* the overlay's WM_PAINT during a capture */                                 \
    X(EnterMixer)      /* the snapshot's memory taken; held, the panel is told (UM_MIXERSTART) */    \
    X(StartMixer)      /* hand-over: the mixer begins, the panel off the screen */                   \
    X(MixerHoldScreen) /* hand-over: the picture timer ended while the mixer is entered */           \
    X(GrabScreen)      /* the screen copied into the snapshot */                                     \
    X(ShowMixerOverlay) /* the overlay over the snapshot's area, topmost, showing it */              \
    X(MixerReady)      /* the panel, now placed with its sliders, is told (UM_MIXERPLACED) */        \
    X(MixerPlaced)     /* hand-over: the entry done: the panel pinned and lifted */                  \
    X(StartMixerTimer) /* the overlay lets clicks through; the refresh timer starts */               \
    X(ExitMixer)       /* hand-over: the mixer ends; a: for good, the program ends */                \
    X(MixerMove)       /* hand-over: the hook saw the pointer move */                                \
    X(MixerRelease)    /* hand-over: the hook saw the left button go up */                           \
    X(MixerRecolour)   /* hand-over: the release's whole-screen work; a: after a pick */             \
    X(StopMixerTimer)  /* the refresh timer ends */                                                  \
    X(FreeSnapshot)    /* the frozen screen is let go */                                             \
    X(PaintSnapshot)   /* the overlay's WM_PAINT in the mixer */                                     \
    X(MarkMatches)     /* mark the pixels near colour a within tolerance b; c: undo the last marks */ \
    X(Recolour)        /* every marked pixel takes colour a */                                       \
    X(ShowSnapshot)    /* the frozen screen onto the overlay */                                      \
    X(DrawSlider)      /* slider a (0-2 red, green, blue; 3 tolerance) redrawn where it now is */   \
    X(OpenAbout)       /* the overlay becomes the about window */                                    \
    X(CloseAbout)      /* the about window goes, the overlay parked */                               \
    X(PaintAbout)      /* the about window's current page; a: at once, outside WM_PAINT */

enum class Fx : std::uint8_t {
#define TINTSPOT_EFFECT_ENUM(name) name,
    TINTSPOT_EFFECTS(TINTSPOT_EFFECT_ENUM)
#undef TINTSPOT_EFFECT_ENUM
};

// The answer of a pointer decision that keeps the event from the program under the pointer.
inline constexpr std::int32_t kSwallow = 1;

enum CursorShape : std::int32_t { ArrowShape, LinkShape, PickShape, SelectShape, ToleranceShape };

struct Effect {
    Fx what = Fx::Post;
    std::int32_t a = 0, b = 0, c = 0, d = 0;
    friend bool operator==(const Effect&, const Effect&) = default;
};

// A short list of effects, kept without allocation: the hook builds one on every pointer
// move. No decision asks for more than a dozen.
class Effects {
public:
    static constexpr int kCapacity = 16;

    Effects& add(Fx what, std::int32_t a = 0, std::int32_t b = 0, std::int32_t c = 0, std::int32_t d = 0) {
        assert(count_ < kCapacity);
        if (count_ < kCapacity) items_[count_++] = {what, a, b, c, d};
        return *this;
    }
    Effects& post(unsigned message, std::int32_t wParam = 0, std::int32_t lParam = 0) {
        return add(Fx::Post, static_cast<std::int32_t>(message), wParam, lParam);
    }
    // The window procedure returns this value instead of passing the message on.
    Effects& answer(std::int32_t value) {
        answered_ = true;
        answer_ = value;
        return *this;
    }

    const Effect* begin() const { return items_; }
    const Effect* end() const { return items_ + count_; }
    int size() const { return count_; }
    bool answered() const { return answered_; }
    std::int32_t answerValue() const { return answer_; }

private:
    Effect items_[kCapacity] = {};
    int count_ = 0;
    bool answered_ = false;
    std::int32_t answer_ = 0;
};
