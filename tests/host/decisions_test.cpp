// The decisions as tables: state before, event, modifiers -> effects and state after.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "app/about.h"
#include "app/panel.h"
#include "capture/capture.h"
#include "core/commands.h"
#include "core/messages.h"
#include "mixer/mixer.h"
#include "mixer/slider.h"
#include "mixer/snapshot.h"
#include "tracking/gestures.h"
#include "tracking/keys.h"

namespace {

// Effects as text: "Post:FRAME", "+32783" and "-32782" for check marks, "Name(a,b)" with
// trailing zero arguments left out, and "=value" for the window procedure's answer.
std::string show(const Effects& fx) {
    static const char* const names[] = {
#define TINTSPOT_EFFECT_NAME(name) #name,
        TINTSPOT_EFFECTS(TINTSPOT_EFFECT_NAME)
#undef TINTSPOT_EFFECT_NAME
    };
    static const char* const posted[] = {"TRAY", "READOUT", "FRAME", "SITE", "MAIL", "COPYTEXT", "COPYBITMAP",
                                         "MIXERRELEASE", "PLACE", "STEP"};
    std::string out;
    for (const Effect& e : fx) {
        out += out.empty() ? "" : " ";
        std::array<std::int32_t, 4> args{e.a, e.b, e.c, e.d};
        int shown = 4;
        if (e.what == Fx::SetCheck) {
            out += (e.b ? "+" : "-") + std::to_string(e.a);
            continue;
        }
        if (e.what == Fx::Post) {
            out += std::string("Post:") + posted[e.a - UM_TRAY];
            args = {e.b, e.c, 0, 0};
        } else {
            out += names[static_cast<int>(e.what)];
        }
        while (shown > 0 && args[static_cast<std::size_t>(shown - 1)] == 0) --shown;
        for (int i = 0; i < shown; ++i) out += (i ? "," : "(") + std::to_string(args[static_cast<std::size_t>(i)]);
        out += shown ? ")" : "";
    }
    if (fx.answered()) out += (out.empty() ? "=" : " =") + std::to_string(fx.answerValue());
    return out;
}

}  // namespace

TEST(Decisions, PointerEventsOfTheHook) {
    enum Mode { Normal, Asked, Hidden, About, Mixer, Crosshair, Band, Echo, NoEcho };
    struct Row {
        Mode mode;
        PointerEvent::Kind kind;
        const char* keys;
        const char* effects;
        std::int32_t moveform = 1;
    };
    using enum PointerEvent::Kind;
    const Row rows[] = {
        {Normal, Move, "", "Post:PLACE"}, {Asked, Move, "", ""},  // asked once until the panel has placed itself
        {Mixer, Move, "", "MixerMove"}, {Crosshair, Move, "", "CaptureMove"}, {Band, Move, "", "CaptureMove"},
        {Hidden, Move, "", ""}, {About, Move, "", ""},
        {Echo, Move, "", "=1"}, {NoEcho, Move, "", "Post:PLACE"},  // the pointer set by steps, reported back
        {Normal, LeftDown, "a", "TogglePin Post:FRAME"}, {Normal, RightDown, "a", "TogglePin Post:FRAME"},
        {Normal, LeftDown, "s", "ToggleFreeze Post:FRAME Post:READOUT"}, {Normal, RightDown, "s", ""},
        {Normal, LeftDown, "cs", "StartCapture =1"}, {Normal, RightDown, "cs", "StartCapture =1"},
        {Normal, LeftDown, "as", "TogglePin Post:FRAME ToggleFreeze Post:FRAME Post:READOUT"},
        {Normal, LeftDown, "acs", "TogglePin Post:FRAME StartCapture =1"}, {Normal, LeftDown, "c", ""},
        {Crosshair, LeftDown, "a", "CapturePress =1"}, {Band, LeftDown, "acs", "=1"},
        // A right press cancels a capture and then counts as an ordinary press. A capture's
        // presses, and the one that starts it, go no further (=1).
        {Crosshair, RightDown, "", "EndCapture =1"}, {Band, RightDown, "cs", "EndCapture StartCapture =1"},
        {Band, RightDown, "a", "EndCapture TogglePin Post:FRAME =1"},
        {Mixer, LeftDown, "acs", ""}, {About, LeftDown, "a", ""}, {Hidden, RightDown, "cs", ""},
        {Normal, LeftUp, "c", "Post:COPYTEXT", 0}, {Normal, LeftUp, "cs", "", 0}, {Normal, LeftUp, "", "", 0},
        {Crosshair, LeftUp, "", "", 0},  // the release of the click that started it
        {Band, LeftUp, "c", "EndCapture(1)", 0},
        {Mixer, LeftUp, "", "MixerRelease"}, {Mixer, LeftUp, "c", "Post:COPYTEXT MixerRelease"},
        {About, LeftUp, "c", ""}, {Hidden, LeftUp, "c", ""},
    };
    for (const Row& r : rows) {
        PickerState s;
        std::tie(s.show, s.moveform, s.cursorX, s.cursorY) = std::tuple{r.mode != Hidden, 1, 7, 8};
        s.placementAsked = r.mode == Asked;
        s.stepSpan = r.mode == Echo ? Rect{-310, -40, -299, -39} : r.mode == NoEcho ? Rect{-310, -40, -300, -39}
                                                                                   : Rect{};
        s.aboutActive = r.mode == About;
        s.mixerActive = r.mode == Mixer;
        s.captureState = r.mode == Crosshair ? 1 : r.mode == Band ? 2 : 0;
        const std::string keys = r.keys;
        const PointerEvent e{r.kind, -300, -40, keys.find('a') != keys.npos, keys.find('s') != keys.npos,
                             keys.find('c') != keys.npos};
        EXPECT_EQ(show(pointerDecision(s, e)), r.effects) << r.mode << " " << r.kind << " " << keys;
        EXPECT_EQ(s.moveform, r.moveform) << r.mode << " " << r.kind;
        const bool moved = r.kind == Move && r.mode != Hidden && r.mode != About && r.mode != Echo;
        EXPECT_EQ((std::array{s.cursorX, s.cursorY}), (moved ? std::array{-300, -40} : std::array{7, 8}));
        EXPECT_EQ(s.placementAsked, r.mode == Asked || ((r.mode == Normal || r.mode == NoEcho) && r.kind == Move));
        EXPECT_EQ(s.stepSpan, (r.mode == Echo ? Rect{-310, -40, -299, -39} : Rect{})) << "a move elsewhere ends it";
    }
    PickerState s;
    std::tie(s.nomove, s.freeze) = std::tuple{0, 1};
    togglePin(s);
    EXPECT_EQ((std::array{s.nomove, s.freeze}), (std::array{1, 0})) << "a pin unfreezes";
    toggleFreeze(s);
    togglePin(s);
    EXPECT_EQ((std::array{s.nomove, s.freeze}), (std::array{0, 0}));
}

// Keys while frozen, pressed at (x0, y0) on two monitors, the second right of the first and
// lower: the effects, the point after, and the release (kept when the press was).
TEST(Decisions, KeysOfTheKeyboardHook) {
    enum Mode { Wanted, Asked, Off, Following, Hidden, Capture, Mixer, About, Modal };
    struct Row { Mode mode; unsigned key; const char* held; int x0, y0; const char* effects; int x, y; };
    const Row rows[] = {
        {Wanted, vk::Right, "", 500, 300, "Post:STEP =1", 501, 300},
        {Wanted, vk::Up, "c", 500, 300, "Post:STEP =1", 500, 290},
        {Asked, vk::Left, "", 500, 300, "=1", 499, 300},  // asked once until the panel has stepped
        {Wanted, vk::Down, "", 500, 767, "Post:STEP =1", 500, 767},
        {Wanted, vk::Right, "", 1023, 50, "Post:STEP =1", 1023, 50},
        {Wanted, vk::Right, "c", 1020, 300, "Post:STEP =1", 1030, 300},
        {Wanted, vk::Left, "c", 3, 9, "Post:STEP =1", 0, 9}, {Wanted, vk::Return, "c", 5, 5, "Post:COPYTEXT =1", 5, 5},
        {Wanted, vk::Escape, "", 5, 5, "=1", 5, 5}, {Wanted, vk::Right, "a", 5, 5, "", 5, 5},
        {Wanted, vk::Return, "w", 5, 5, "", 5, 5}, {Wanted, 'A', "", 5, 5, "", 5, 5},
        {Wanted, 0x22, "c", 5, 5, "", 5, 5},
        {Off, vk::Right, "", 5, 5, "", 5, 5}, {Following, vk::Escape, "", 5, 5, "", 5, 5},
        {Hidden, vk::Return, "", 5, 5, "", 5, 5}, {Capture, vk::Left, "", 5, 5, "", 5, 5},
        {Mixer, vk::Left, "", 5, 5, "", 5, 5}, {About, vk::Down, "", 5, 5, "", 5, 5},
        {Modal, vk::Up, "", 5, 5, "", 5, 5},
    };
    for (const Row& r : rows) {
        PickerState s;
        std::tie(s.keys, s.freeze, s.show, s.cursorX, s.cursorY) = std::tuple{r.mode != Off, r.mode != Following,
                                                                              r.mode != Hidden, r.x0, r.y0};
        std::tie(s.captureState, s.mixerActive, s.aboutActive, s.stepAsked, s.modalOpen) = std::tuple{r.mode == Capture,
            r.mode == Mixer, r.mode == About, r.mode == Asked, r.mode == Modal};
        std::tie(s.monitorCount, s.monitors[0], s.monitors[1]) = std::tuple{2, Rect{0, 0, 1024, 768},
                                                                            Rect{1024, 100, 2048, 868}};
        const std::string held = r.held;
        const std::string kept = show(keyDecision(s, {r.key, false, held == "c", held == "a" || held == "w"}));
        EXPECT_EQ(kept, r.effects) << r.mode << " " << r.key << " " << held;
        EXPECT_EQ((std::array{s.cursorX, s.cursorY}), (std::array{r.x, r.y})) << r.key;
        EXPECT_EQ(s.stepAsked, r.mode == Asked || kept.find("STEP") != kept.npos);
        const bool esc = r.key == vk::Escape && !kept.empty();
        EXPECT_EQ(show(keyDecision(s, {r.key, true})),
                  esc ? "ToggleFreeze Post:FRAME Post:READOUT =1" : kept.empty() ? "" : "=1");
    }
    PickerState s;  // the points stepped from and to, for the moves that report them back
    std::tie(s.keys, s.freeze, s.show, s.cursorX, s.cursorY, s.allMonitors) = std::tuple{1, 1, 1, 500, 300,
                                                                                         Rect{0, 0, 1024, 768}};
    keyDecision(s, {vk::Right});
    keyDecision(s, {vk::Up, false, true});
    EXPECT_EQ(s.stepSpan, (Rect{500, 290, 502, 301}));
}

// One capture from start to end, on monitors whose area starts left of and above the primary.
TEST(Decisions, RegionCaptureThroughItsStates) {
    PickerState s;
    CaptureState c;
    std::tie(s.nomove, s.cursorX, s.cursorY) = std::tuple{0, 5, 5};
    c.captureWidth = 99;
    const Rect area = {-1280, -200, 1024, 768};
    EXPECT_EQ(show(captureStart(s, c, area)), "ClearPanel") << "the picture waits for the panel to go";
    EXPECT_EQ((std::array{s.captureState, s.nomove, c.captureSavedNomove, c.captureWidth}), (std::array{1, 1, 0, 0}));
    EXPECT_EQ(show(captureHoldScreen(s, c)),
              "TakePicture(-1280,-200,1024,768) ShowOverlay(-1280,-200,1024,768) LiftPanel");
    std::tie(s.cursorX, s.cursorY) = std::tuple{-100, 50};
    captureMove(s, c);
    EXPECT_TRUE(c.crosshairArmed);
    EXPECT_EQ(c.captureRect, Rect{}) << "no band before the press";
    capturePress(s, c);
    std::tie(s.cursorX, s.cursorY) = std::tuple{-140, 80};
    captureMove(s, c);
    EXPECT_EQ((std::array{s.captureState, c.captureWidth, c.captureHeight}), (std::array{2, 40, 30}));
    EXPECT_EQ(c.captureRect, (Rect{-140, 50, -100, 80}));
    capturePress(s, c);  // a second press keeps the corner
    EXPECT_EQ((std::array{c.captureStartX, c.captureStartY}), (std::array{-100, 50}));
    CaptureState kept = c;
    PickerState before = s;
    EXPECT_EQ(show(captureEnd(s, c, true)), "ReleasePointer CutBand(-139,51,-100,80) ParkOverlay PlacePanel "
                                            "ApplyVisibility SetCursor ReleasePicture");
    EXPECT_EQ((std::array{s.captureState, s.nomove, c.captureWidth}), (std::array{0, 0, 0}));
    EXPECT_EQ(c.captureRect, Rect{});
    EXPECT_EQ(show(captureEnd(s, c, true)) + show(captureHoldScreen(s, c)), "") << "ended, even before its picture";
    for (const Rect band : {Rect{-140, 50, -100, 80}, Rect{0, 0, 5, 5}}) {  // a cancel; 5 x 5 copies nothing
        PickerState again = before;
        kept.captureRect = band;
        EXPECT_EQ(show(captureEnd(again, kept, band.left == 0)),
                  "ReleasePointer ParkOverlay PlacePanel ApplyVisibility SetCursor ReleasePicture");
    }
}

TEST(Decisions, CaptureOverlayMessagesAndWhatEachPaintInverts) {
    struct Row { unsigned message; std::int32_t show, state; const char* effects; };
    const Row rows[] = {
        {wm::Paint, 1, 1, "PaintCapture Post:READOUT =0"}, {wm::Paint, 0, 1, "PaintCapture =0"},
        {wm::EraseBackground, 1, 1, "=0"}, {wm::MouseActivate, 1, 1, "=3"},
        {wm::MouseMove, 1, 2, "SetCursor(3) InvalidateOverlay =0"}, {wm::MouseMove, 1, 0, "SetCursor(3) =0"},
        // Clicks that got past the hook.
        {wm::LeftDown, 1, 1, "CapturePress =0"}, {wm::LeftUp, 1, 1, "=0"}, {wm::LeftUp, 1, 2, "EndCapture(1) =0"},
        {wm::RightDown, 1, 1, "=0"}, {wm::RightUp, 1, 2, "EndCapture =0"},
    };
    for (const Row& r : rows) {
        PickerState s;
        std::tie(s.show, s.captureState) = std::tuple{r.show, r.state};
        EXPECT_EQ(show(captureOverlayMessage(s, r.message)), r.effects) << r.message;
    }
    // Each paint first undoes what the last one inverted.
    PickerState s;
    CaptureState c;
    c.screenArea = {-20, -10, 100, 90};
    auto paint = [&](std::int32_t state, std::int32_t x, std::int32_t y) {
        std::tie(s.captureState, s.cursorX, s.cursorY) = std::tuple{state, x, y};
        const CapturePaint p = capturePaint(s, c);
        std::string out = p.inverting ? "inverting" : "-";
        for (int i = 0; i < p.crosses; ++i)
            out += " +" + std::to_string(p.crossX[i]) + "," + std::to_string(p.crossY[i]);
        for (int i = 0; i < p.bands; ++i)
            out += " [" + std::to_string(p.band[i].left) + "," + std::to_string(p.band[i].bottom) + "]";
        EXPECT_EQ(p.area, c.screenArea);
        return out;
    };
    EXPECT_EQ(paint(1, 5, 5), "-") << "nothing before the first move";
    c.crosshairArmed = 1;
    EXPECT_EQ(paint(1, -20, -10), "inverting +-20,-10");
    EXPECT_EQ(paint(1, 40, 60), "inverting +-20,-10 +40,60");
    c.captureRect = {0, 20, 60, 80};
    EXPECT_EQ(paint(2, 60, 80), "inverting +40,60 [0,80]") << "the crosshair goes when the band comes";
    c.captureRect = {5, 25, 50, 50};
    EXPECT_EQ(paint(2, 50, 50), "inverting [0,80] [5,50]");
    c.captureRect = {};
    EXPECT_EQ(paint(2, 50, 50), "inverting [5,50]") << "an empty band is not drawn";
}

// The mixer from entry to exit: the pick and its tolerance drag, the refresh on the sixth
// quiet tick, the release, the sliders in the panel, leaving. The monitors' area starts
// left of and above the primary one.
TEST(Decisions, MixerFromThePickToLeaving) {
    PickerState s;
    MixerState m;
    std::tie(s.nomove, s.currentColor, s.show, s.freeze) = std::tuple{0, 0x00804020u, 0, 1};  // hidden and frozen
    std::tie(s.magnifierLeft, s.slidersTop, s.xokna, s.yokna) = std::tuple{5, 60, 400, 300};
    std::tie(snapshot.originX, snapshot.originY) = std::tuple{-1280, -100};
    m.tolerance = 7;
    EXPECT_EQ(show(mixerStart(s, m)), "ClearPanel") << "the picture waits for the panel to go";
    EXPECT_EQ(show(mixerPointerMove(s, m)), "") << "nothing while the mode is entered";
    EXPECT_EQ(show(mixerPointerRelease(s, m)), "");
    EXPECT_EQ(show(mixerHoldScreen(s)), "GrabScreen ShowMixerOverlay ShowPanel Layout MixerReady");
    EXPECT_EQ(show(mixerReady(s, m)), "LiftPanel StartMixerTimer");
    EXPECT_EQ((std::array{s.nomove, m.savedNomove, std::int32_t{s.mixerStarting}, s.show}), (std::array{1, 0, 0, 1}));

    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::MouseMove, 30, 40)), "SetCursor(2) Post:READOUT");
    EXPECT_EQ((std::array{s.cursorX, s.cursorY}), (std::array{-1250, -60}));
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::LeftDown, 30, 40)),
              "MarkMatches(8405024,7) ShowSnapshot DrawSlider(3) DrawSlider DrawSlider(1) DrawSlider(2) =0")
        << "marked with the last tolerance, which then starts again from 0";
    EXPECT_EQ((std::array{colorSliders[0].value, colorSliders[1].value, colorSliders[2].value, m.tolerance}),
              (std::array{0x20, 0x40, 0x80, 0}));
    EXPECT_EQ((std::array{toleranceSlider.x, toleranceSlider.y, toleranceSlider.length, std::int32_t{s.mixerPicking}}),
              (std::array{30, 40, 100, 1}));
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::MouseMove, 30, 40)), "SetCursor(4)") << "no readouts while picking";
    std::tie(s.cursorX, s.cursorY) = std::tuple{-1280 + 30 + 45, -100 + 41};  // 45 pixels right, an odd row
    EXPECT_EQ(show(mixerPointerMove(s, m)), "DrawSlider(3)");
    EXPECT_EQ((std::array{toleranceSlider.value, m.tolerance, m.mixerDirty}), (std::array{46, 15, 1}));
    for (int tick = 0; tick < 5; ++tick) EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::Timer, 0, 0)), "") << tick;
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::Timer, 0, 0)), "MarkMatches(8405024,15,1) ShowSnapshot DrawSlider(3)");
    EXPECT_EQ(m.mixerDirty, 0);
    for (int tick = 0; tick < 6; ++tick) EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::Timer, 0, 0)), "") << "clean";
    EXPECT_EQ(show(mixerPointerRelease(s, m)), "Post:MIXERRELEASE(1)");
    EXPECT_EQ(show(mixerRecolour(s, m, true)), "MarkMatches(8405024,15,1) Recolour(8405024) ShowSnapshot");
    EXPECT_EQ(show(mixerRecolour(s, m, false)), "Recolour(8405024) ShowSnapshot");

    // The red slider's thumb (0x20 of 255 on 128 pixels) is at x 15 + 16 on row 64: a press
    // there drags it, not the panel.
    EXPECT_FALSE(mixerSliderPress(s, 100, 64));
    EXPECT_TRUE(mixerSliderPress(s, 31, 66));
    s.scale = 2;  // at 192 DPI the same thumb lies twice as far into the window
    EXPECT_EQ((std::array{mixerSliderPress(s, 31, 66), mixerSliderPress(s, 62, 132)}), (std::array{false, true}));
    s.scale = 1;
    EXPECT_EQ(show(mixerPanelMove(s, 15 + 100, 64)), "DrawSlider Post:READOUT(0,1)");
    EXPECT_EQ(s.currentColor, 0x008040C7u) << "the preview shows the mix";
    // The drag goes on off the panel, where only the hook sees the pointer: a fast move right
    // takes the slider to its end. It counts as a change.
    std::tie(s.cursorX, s.cursorY) = std::tuple{400 + 600, 300 + 64};
    EXPECT_EQ(show(mixerPointerMove(s, m)), "DrawSlider Post:READOUT(0,1) Post:PLACE");
    EXPECT_EQ(s.currentColor, 0x008040FFu);
    EXPECT_EQ(show(mixerPointerMove(s, m)), "DrawSlider Post:READOUT(0,1)") << "placement asked once";
    for (int tick = 0; tick < 5; ++tick) mixerOverlayMessage(s, m, wm::Timer, 0, 0);
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::Timer, 0, 0)), "Recolour(8405247) ShowSnapshot");
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::MouseActivate, 0, 0)), "=3");
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::Paint, 0, 0)), "PaintSnapshot =0");
    PickerState ending = s;
    MixerState endingMixer = m;
    EXPECT_EQ(show(mixerExit(s, m, false)), "StopMixerTimer ParkOverlay FreeSnapshot Layout ApplyVisibility");
    EXPECT_EQ((std::array{s.nomove, std::int32_t{s.mixerActive}, s.show}), (std::array{0, 0, 1}));
    mixerExit(ending, endingMixer, true);  // the program ends: the user's own settings are stored
    EXPECT_EQ((std::array{ending.nomove, ending.show, ending.freeze}), (std::array{0, 0, 1}));
    EXPECT_EQ(show(mixerRecolour(s, m, true)) + show(mixerHoldScreen(PickerState{})), "")
        << "a release queued before leaving does nothing, nor a picture timer";
    snapshot = Snapshot{};
}

// Page 0 is the about page, 1 the help page, which has no links; the links' rectangles and the
// page button exclude their right and bottom edges.
TEST(Decisions, AboutWindowPressesFlipsAndClosing) {
    constexpr const char* close = "CloseAbout PointerToState Layout ApplyVisibility";
    struct Row {
        std::uint8_t page;
        unsigned message;
        std::int32_t x, y;
        std::string effects;
        std::uint8_t pageAfter, open;
    };
    const Row rows[] = {
        {0, wm::MouseMove, 40, 150, "SetCursor(1)", 0, 1}, {1, wm::MouseMove, 40, 150, "SetCursor", 1, 1},
        {0, wm::MouseMove, 108, 150, "SetCursor", 0, 1}, {0, wm::MouseMove, 110, 160, "SetCursor(1)", 0, 1},
        {0, wm::LeftDown, 40, 150, std::string("Post:SITE ") + close, 0, 0},
        {0, wm::LeftDown, 40, 157, std::string("Post:SITE Post:MAIL ") + close, 0, 0},  // the row the two share
        {0, wm::RightDown, 110, 160, std::string("Post:MAIL ") + close, 0, 0},
        {0, wm::LeftDown, 40, 171, close, 0, 0}, {1, wm::LeftDown, 40, 157, close, 1, 0},
        {1, wm::RightDown, 189, 258, "PaintAbout(1)", 0, 1}, {0, wm::LeftDown, 136, 249, "PaintAbout(1)", 1, 1},
        {1, wm::LeftDown, 190, 258, close, 1, 0}, {0, wm::LeftDown, 150, 266, close, 0, 0},
        {0, wm::Paint, 0, 0, "PaintAbout", 0, 1}, {0, wm::LeftUp, 136, 249, "", 0, 1},
    };
    for (const Row& r : rows) {
        PickerState s;
        std::tie(s.aboutPage, s.aboutActive, s.cursorX, s.cursorY) = std::tuple{r.page, 1, r.x, r.y};
        // A press is judged where the pointer last moved, not at the point the press gives.
        const bool move = r.message == wm::MouseMove;
        EXPECT_EQ(show(aboutMessage(s, r.message, move ? r.x : 1, move ? r.y : 1)), r.effects) << r.message << " "
            << r.x;
        EXPECT_EQ((std::array{s.aboutPage, s.aboutActive}), (std::array{r.pageAfter, r.open})) << r.message << " "
            << r.x;
    }
    // At scale 2 the window is twice the page, kept on the screen, and reads the page's pixels.
    // Where the work area (a 40-pixel taskbar below) cannot hold it with its 8 x 30 frame, the
    // largest scale that fits.
    PickerState s;
    s.aboutActive = 1;
    for (auto [scale, width, height, left, top, fits] :
         {std::array{1, 1024, 768, 400, 162, 1}, {3, 1920, 1200, 625, 0, 3}, {3, 640, 1200, 97, 157, 2},
          {3, 800, 630, 288, 93, 1}, {3, 1024, 768, 289, 0, 2}}) {
        std::tie(s.scale, s.screenWidth, s.screenHeight) = std::tuple{scale, width, height};
        placeAboutWindow(s, {0, 0, width, height - 40}, 8, 30);
        EXPECT_EQ(s.aboutRect, (Rect{left, top, left + 223 * fits, top + 283 * fits})) << width << "x" << height;
    }
    aboutMessage(s, wm::MouseMove, 2 * 160 + 1, 2 * 258 + 1);
    EXPECT_EQ(show(aboutMessage(s, wm::LeftDown, 0, 0)), "PaintAbout(1)") << "the page button";
}

TEST(Decisions, EveryMenuCommand) {
    using namespace cmd;
    // sir, cellSize, velikost, showhexa, readoutRadix, showcoord, showhsv, convertcolflag, aboutActive
    using State = std::array<std::int32_t, 9>;
    struct Row { unsigned command; std::uint8_t mixer; const char* effects; State after; };
    const Row rows[] = {
        {PipetteMax, 0, "-32782 -32783 +32784 Layout", {7, 7, 0, 0, 10, 1, 0, 0, 0}},
        {PipetteMin, 0, "+32782 -32783 -32784 Layout", {15, 3, 0, 0, 10, 1, 0, 0, 0}},
        {PipetteNormal, 0, "-32782 +32783 -32784 Layout", {9, 5, 0, 0, 10, 1, 0, 0, 0}},
        {WindowMax, 0, "-32788 -32787 +32786 Layout", {9, 5, 10, 0, 10, 1, 0, 0, 0}},
        {WindowMin, 0, "+32788 -32787 -32786 Layout", {9, 5, -2, 0, 10, 1, 0, 0, 0}},
        {WindowNormal, 0, "-32788 +32787 -32786 Layout", {9, 5, 0, 0, 10, 1, 0, 0, 0}},
        {HexValues, 0, "Layout +32785", {9, 5, 0, 1, 16, 1, 0, 0, 0}},
        {Coordinates, 0, "Layout -32792", {9, 5, 0, 0, 10, 0, 0, 0, 0}},
        {HsvCmyk, 0, "Layout +32802", {9, 5, 0, 0, 10, 1, 1, 0, 0}},
        {PaletteWeb, 0, "-32804 +32805 -32806 -32807 Layout", {9, 5, 0, 0, 10, 1, 0, 1, 0}},
        {PaletteGray, 0, "-32804 -32805 +32806 -32807 Layout", {9, 5, 0, 0, 10, 1, 0, 2, 0}},
        {PaletteInvert, 0, "-32804 -32805 -32806 +32807 Layout", {9, 5, 0, 0, 10, 1, 0, 3, 0}},
        {PaletteNormal, 0, "+32804 -32805 -32806 -32807 Layout", {9, 5, 0, 0, 10, 1, 0, 0, 0}},
        {AttachToCursor, 0, "TogglePin Post:FRAME", {9, 5, 0, 0, 10, 1, 0, 0, 0}},
        {ShowHide, 0, "ShowPanel", {9, 5, 0, 0, 10, 1, 0, 0, 0}}, {Exit, 0, "Exit", {9, 5, 0, 0, 10, 1, 0, 0, 0}},
        {Mixer, 0, "EnterMixer", {9, 5, 0, 0, 10, 1, 0, 0, 0}}, {Help, 0, "OpenAbout", {9, 5, 0, 0, 10, 1, 0, 0, 1}},
        {Help, 1, "ExitMixer OpenAbout", {9, 5, 0, 0, 10, 1, 0, 0, 1}},  // the about window takes the overlay over
        {40000, 0, "", {9, 5, 0, 0, 10, 1, 0, 0, 0}}, {SavePalette, 0, "", {9, 5, 0, 0, 10, 1, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        PickerState s;
        s.mixerActive = r.mixer;
        EXPECT_EQ(show(commandDecision(s, r.command)), r.effects) << r.command;
        EXPECT_EQ((State{s.sir, s.cellSize, s.velikost, s.showhexa, s.readoutRadix, s.showcoord, s.showhsv,
                         s.convertcolflag, s.aboutActive}), r.after) << r.command;
        EXPECT_EQ(s.aboutPage, r.after[8]) << "the help page first";
    }
    PickerState s;
    s.showhexa = 1;
    EXPECT_EQ(show(commandDecision(s, HexValues)), "Layout -32785");
    EXPECT_EQ(s.readoutRadix, 10);
    s.show = 1;
    EXPECT_EQ(show(commandDecision(s, ShowHide)), "HidePanel");
    EXPECT_EQ(show(commandDecision(s, CopyFormatFirst + 3)), "-32850 -32851 -32852 +32853 -32854 -32855 -32856 -32857");
    EXPECT_EQ(show(commandDecision(s, CopyFormatLast + 1)), "") << "between the two submenus";
    EXPECT_EQ(show(commandDecision(s, SampleFirst + 2)) + show(commandDecision(s, Contrast)) +
                  show(commandDecision(s, FrozenKeys)), "-32870 -32871 +32872 LayoutLayout +32875+32876");
    EXPECT_EQ((std::array{s.sample, s.contrast, s.keys}), (std::array{2, 1, 1}));
    s.recentCount = 2;
    EXPECT_EQ(show(commandDecision(s, RecentFirst + 1)) + show(commandDecision(s, RecentFirst + 2)) +
                  show(commandDecision(s, SavePalette)), "CopyRecent(1)SavePalette");
    EXPECT_EQ(s.copyformat, 3);
    // Hiding, help and exit end a capture or the mixer first; exit for good, so that the
    // settings stored are those from before the mode.
    struct Mode { std::int32_t capture; std::uint8_t mixer; unsigned command; const char* effects; };
    for (const Mode& r : {Mode{1, 0, ShowHide, "EndCapture HidePanel"}, Mode{2, 0, Help, "EndCapture OpenAbout"},
                          Mode{0, 1, ShowHide, "ExitMixer HidePanel"}, Mode{2, 0, Exit, "EndCapture Exit"},
                          Mode{0, 1, Exit, "ExitMixer(1) Exit"}}) {
        std::tie(s.captureState, s.mixerActive, s.show) = std::tuple{r.capture, r.mixer, 1};
        EXPECT_EQ(show(commandDecision(s, r.command)), r.effects) << r.command;
    }
}

TEST(Decisions, PanelMessages) {
    enum Mode { Normal, Hidden, About, Mixer, Capture, Frozen };
    struct Row { Mode mode; unsigned message; std::uint32_t wParam; std::int32_t lParam; const char* effects; };
    const Row rows[] = {
        {Normal, wm::Paint, 0, 0, "PaintPanel"}, {Normal, wm::MouseActivate, 0, 0, "=3"},
        {Normal, wm::Command, cmd::Exit, 0, "Exit"}, {About, wm::Command, cmd::Exit, 0, ""},
        {Normal, wm::LeftDown, 0, 0, "Post:FRAME Post:READOUT"}, {About, wm::LeftDown, 0, 0, ""},
        {Mixer, wm::LeftDown, 0, 0, ""},
        {Normal, wm::LeftDoubleClick, 0, 0, "HidePanel =0"}, {Hidden, wm::LeftDoubleClick, 0, 0, "ShowPanel =0"},
        {Mixer, wm::LeftDoubleClick, 0, 0, "ExitMixer =0"}, {About, wm::LeftDoubleClick, 0, 0, "HidePanel =0"},
        {Normal, wm::RightDown, 0, 0, "OpenPanelMenu =0"}, {Mixer, wm::RightDown, 0, 0, "ExitMixer =0"},
        {About, wm::RightDown, 0, 0, ""},
        {Normal, UM_TRAY, 0, 0x0203, "HidePanel"}, {Hidden, UM_TRAY, 0, 0x0203, "ShowPanel"},
        {Capture, UM_TRAY, 0, 0x0203, "EndCapture HidePanel"}, {Mixer, UM_TRAY, 0, 0x0203, "ExitMixer HidePanel"},
        // The session ends: the system ends the process once the panel has answered.
        {Normal, wm::EndSession, 1, 0, "StoreSettings"}, {Normal, wm::EndSession, 0, 0, ""},
        {Capture, wm::EndSession, 1, 0, "EndCapture StoreSettings"},
            {Mixer, wm::EndSession, 1, 0, "ExitMixer(1) StoreSettings"},
        {About, wm::EndSession, 1, 0, "CloseAbout StoreSettings"},
        {Normal, UM_TRAY, 0, 0x0205, "OpenTrayMenu"}, {Normal, UM_TRAY, 0, 0x0201, ""}, {About, UM_TRAY, 0, 0x0205, ""},
        {Normal, UM_READOUT, 0, 1, "PaintReadouts(1)"}, {Normal, UM_FRAME, 0, 0, "PaintFrame PaintReadouts"},
        {Frozen, UM_FRAME, 0, 0, "PaintFrame"},
        {Normal, UM_PLACE, 0, 0, "PlacePanel PaintReadouts"}, {Capture, UM_PLACE, 0, 0, "PlacePanel"},
        {Mixer, UM_PLACE, 0, 0, "PlacePanel"},
        {Frozen, UM_STEP, 0, 0, "MovePointer(7,8) PaintReadouts(0,1)"}, {Normal, UM_COPYTEXT, 0, 0, "CopyText"},
        {Normal, UM_COPYBITMAP, 0, 0, "CopyBitmap"},
        {Normal, UM_MIXERRELEASE, 1, 0, "MixerRecolour(1)"}, {Normal, UM_SITE, 0, 0, "OpenSite"},
        {Normal, UM_MAIL, 0, 0, "OpenMail"}, {Normal, wm::DisplayChange, 32, 0, "ReadScreen Layout"},
        {Normal, wm::DpiChanged, 0x00C000C0, 0, "Layout =0"},
        {Normal, wm::Timer, kHookWatchTimer, 0, "WatchHook"}, {Normal, wm::Timer, 1, 0, ""},
        {Capture, wm::Timer, kPictureTimer, 0, "HoldScreen"}, {Mixer, wm::Timer, kPictureTimer, 0, "MixerHoldScreen"},
        {Normal, wm::MouseMove, 0, 0, ""}, {Mixer, wm::MouseMove, 0, 0, "Post:READOUT(0,1)"},
    };
    for (const Row& r : rows) {
        PickerState s;
        std::tie(s.show, s.freeze, s.captureState, s.placementAsked) = std::tuple{r.mode != Hidden, r.mode == Frozen,
                                                                                  r.mode == Capture, 1};
        s.aboutActive = r.mode == About;
        s.mixerActive = r.mode == Mixer;
        std::tie(s.stepAsked, s.cursorX, s.cursorY) = std::tuple{1, 7, 8};
        EXPECT_EQ(show(panelDecision(s, {r.message, r.wParam, r.lParam, 0, 0})), r.effects) << r.mode << " "
            << r.message;
        EXPECT_EQ(s.placementAsked, r.message != UM_PLACE) << "a placement done may be asked for again";
        EXPECT_EQ(s.stepAsked, r.message != UM_STEP);
    }
    // A press grabs the panel at its own point; the release lets go. A frozen panel thaws.
    PickerState s;
    std::tie(s.xokna, s.yokna, s.cursorGap, s.freeze) = std::tuple{300, 200, 10, 1};
    panelDecision(s, {wm::LeftDown, 0, 0, 30, 20});
    EXPECT_EQ((std::array{s.moveform, s.dragOffsetX, s.dragOffsetY, s.freeze}), (std::array{1, -40, -30, 0}));
    panelDecision(s, {wm::LeftUp, 0, 0, 0, 0});
    EXPECT_EQ(s.moveform, 0);
}
