// The decisions as tables: state before, event, modifiers -> effects and state after.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>

#include "app/about.h"
#include "app/panel.h"
#include "capture/capture.h"
#include "copy/formats.h"
#include "core/commands.h"
#include "core/messages.h"
#include "mixer/mixer.h"
#include "mixer/slider.h"
#include "mixer/snapshot.h"
#include "tracking/gestures.h"
#include "tracking/keys.h"

namespace {

// Effects as text (those of one kind when asked; check marks apart): "Post:FRAME", "Name(a,b)"
// with trailing zero arguments left out, "=value" for the window procedure's answer.
std::string show(const Effects& fx, std::optional<Fx> only = {}) {
    static const char* const names[] = {
#define TINTSPOT_EFFECT_NAME(name) #name,
        TINTSPOT_EFFECTS(TINTSPOT_EFFECT_NAME)
#undef TINTSPOT_EFFECT_NAME
    };
    static const char* const posted[] = {"TRAY", "READOUT", "FRAME", "SITE", "MAIL", "COPYTEXT", "COPYBITMAP",
                                         "MIXERRELEASE", "PLACE", "STEP"};
    std::string out;
    for (const Effect& e : fx) {
        if ((only && e.what != *only) || e.what == Fx::SetCheck) continue;
        out += out.empty() ? "" : " ";
        std::array<std::int32_t, 4> args{e.a, e.b, e.c, e.d};
        int shown = 4;
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
    if (fx.answered() && !only) out += (out.empty() ? "=" : " =") + std::to_string(fx.answerValue());
    return out;
}

}  // namespace

TEST(Decisions, PointerEventsOfTheHook) {
    enum Mode { Normal, Asked, Hidden, About, Mixer, Crosshair, Band, Echo, NoEcho };
    struct Row { Mode mode; PointerEvent::Kind kind; const char *keys, *effects; std::int32_t draggingPanel = 1; };
    using enum PointerEvent::Kind;
    const Row rows[] = {
        {Normal, Move, "", "Post:PLACE"},
        {Asked, Move, "", ""},  // asked once until the panel has placed itself
        {Mixer, Move, "", "MixerMove"},
        {Crosshair, Move, "", "CaptureMove"},
        {Hidden, Move, "", ""},
        {Echo, Move, "", "=1"},  // the pointer set by steps, reported back
        {NoEcho, Move, "", "Post:PLACE"},
        {Normal, LeftDown, "a", "TogglePin Post:FRAME"},
        {Normal, RightDown, "a", "TogglePin Post:FRAME"},
        {Normal, LeftDown, "s", "ToggleFreeze Post:FRAME Post:READOUT"},
        {Normal, RightDown, "s", ""},
        {Normal, LeftDown, "cs", "StartCapture =1"},
        {Normal, LeftDown, "acs", "TogglePin Post:FRAME StartCapture =1"},
        {Normal, LeftDown, "c", ""},
        {Crosshair, LeftDown, "a", "CapturePress =1"},
        {Band, LeftDown, "acs", "=1"},
        // A right press cancels a capture and then counts as an ordinary press. A capture's
        // presses, and the one that starts it, go no further (=1).
        {Crosshair, RightDown, "", "EndCapture =1"},
        {Band, RightDown, "cs", "EndCapture StartCapture =1"},
        {Band, RightDown, "a", "EndCapture TogglePin Post:FRAME =1"},
        {Mixer, LeftDown, "acs", ""},
        {About, LeftDown, "a", ""},
        {Hidden, RightDown, "cs", ""},
        {Normal, LeftUp, "c", "Post:COPYTEXT", 0},
        {Normal, LeftUp, "cs", "", 0},
        {Crosshair, LeftUp, "", "", 0},  // the release of the click that started it
        {Band, LeftUp, "c", "EndCapture(1)", 0},
        {Mixer, LeftUp, "", "MixerRelease"},
        {Mixer, LeftUp, "c", "Post:COPYTEXT MixerRelease"},
        {Hidden, LeftUp, "c", ""},
    };
    for (const Row& r : rows) {
        PickerState s;
        std::tie(s.show, s.draggingPanel, s.cursorX, s.cursorY) = std::tuple{r.mode != Hidden, 1, 7, 8};
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
        EXPECT_EQ(s.draggingPanel, r.draggingPanel) << r.mode << " " << r.kind;
        const bool moved = r.kind == Move && r.mode != Hidden && r.mode != About && r.mode != Echo;
        EXPECT_EQ((std::array{s.cursorX, s.cursorY}), (moved ? std::array{-300, -40} : std::array{7, 8}));
        EXPECT_EQ(s.placementAsked, r.mode == Asked || ((r.mode == Normal || r.mode == NoEcho) && r.kind == Move));
        EXPECT_EQ(s.stepSpan, (r.mode == Echo ? Rect{-310, -40, -299, -39} : Rect{})) << "a move elsewhere ends it";
    }
    PickerState s;
    std::tie(s.pinned, s.frozen) = std::tuple{0, 1};
    togglePin(s);
    EXPECT_EQ((std::array{s.pinned, s.frozen}), (std::array{1, 0})) << "a pin unfreezes";
    toggleFreeze(s);
    togglePin(s);
    EXPECT_EQ((std::array{s.pinned, s.frozen}), (std::array{0, 0}));
}

// Keys while frozen, pressed at (x0, y0) on two monitors, the second right of the first and
// lower: the effects, the point after, and the release (kept when the press was).
TEST(Decisions, KeysOfTheKeyboardHook) {
    enum Mode { Wanted, Asked, Off, Following, Hidden, Capture, Mixer, Modal };
    struct Row { Mode mode; unsigned key; const char* held; int x0, y0; const char* effects; int x, y; };
    const Row rows[] = {
        {Wanted, vk::Right, "", 500, 300, "Post:STEP =1", 501, 300},
        {Wanted, vk::Up, "c", 500, 300, "Post:STEP =1", 500, 290},
        {Asked, vk::Left, "", 500, 300, "=1", 499, 300},  // asked once until the panel has stepped
        {Wanted, vk::Down, "", 500, 767, "Post:STEP =1", 500, 767},
        {Wanted, vk::Right, "", 1023, 50, "Post:STEP =1", 1023, 50},
        {Wanted, vk::Right, "c", 1020, 300, "Post:STEP =1", 1030, 300},
        {Wanted, vk::Left, "c", 3, 9, "Post:STEP =1", 0, 9},
        {Wanted, vk::Return, "c", 5, 5, "Post:COPYTEXT =1", 5, 5},
        {Wanted, vk::Escape, "", 5, 5, "=1", 5, 5},
        {Wanted, vk::Right, "a", 5, 5, "", 5, 5},
        {Wanted, vk::Return, "w", 5, 5, "", 5, 5},
        {Wanted, 'A', "", 5, 5, "", 5, 5},
        {Off, vk::Right, "", 5, 5, "", 5, 5},
        {Following, vk::Escape, "", 5, 5, "", 5, 5},
        {Hidden, vk::Return, "", 5, 5, "", 5, 5},
        {Capture, vk::Left, "", 5, 5, "", 5, 5},
        {Mixer, vk::Left, "", 5, 5, "", 5, 5},
        {Modal, vk::Up, "", 5, 5, "", 5, 5},
    };
    for (const Row& r : rows) {
        PickerState s;
        std::tie(s.keys, s.frozen, s.show, s.cursorX, s.cursorY) = std::tuple{r.mode != Off, r.mode != Following,
                                                                              r.mode != Hidden, r.x0, r.y0};
        std::tie(s.captureState, s.mixerActive, s.stepAsked, s.modalOpen) = std::tuple{r.mode == Capture,
            r.mode == Mixer, r.mode == Asked, r.mode == Modal};
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
    std::tie(s.keys, s.frozen, s.show, s.cursorX, s.cursorY, s.allMonitors) = std::tuple{1, 1, 1, 500, 300,
                                                                                         Rect{0, 0, 1024, 768}};
    keyDecision(s, {vk::Right});
    keyDecision(s, {vk::Up, false, true});
    EXPECT_EQ(s.stepSpan, (Rect{500, 290, 502, 301}));
}

// A capture on monitors whose area starts left of and above the primary: the held screen
// covers them all; only a band with pixels inside is copied, the inside of the band between
// the press and the last move; either way the panel comes back unpinned.
TEST(Decisions, RegionCaptureCopiesTheInsideOfTheBandAndGivesThePanelBack) {
    for (auto [copy, cut] : {std::tuple{true, "CutBand(-139,51,-100,80)"}, std::tuple{false, ""}}) {
        PickerState s;
        CaptureState c;
        std::tie(s.cursorX, s.cursorY) = std::tuple{-100, 50};
        captureStart(s, c, {-1280, -200, 1024, 768});
        EXPECT_EQ(s.pinned, 1) << "the panel holds still during the capture";
        EXPECT_EQ(show(captureHoldScreen(s, c), Fx::TakePicture), "TakePicture(-1280,-200,1024,768)");
        captureMove(s, c);
        capturePress(s, c);
        std::tie(s.cursorX, s.cursorY) = std::tuple{-140, 80};
        captureMove(s, c);
        capturePress(s, c);  // a second press keeps the corner
        const Effects end = captureEnd(s, c, copy);
        EXPECT_EQ(show(end, Fx::CutBand), cut) << copy;
        EXPECT_EQ(show(end, Fx::PlacePanel) + show(end, Fx::ReleasePicture), "PlacePanelReleasePicture");
        EXPECT_EQ((std::array{s.captureState, s.pinned}), (std::array{0, 0}));
        EXPECT_EQ(show(captureHoldScreen(s, c)), "") << "a capture ended before its picture shows none";
    }
}

// Clicks that got past the hook end the capture on the overlay too; the overlay never takes
// the keyboard.
TEST(Decisions, CaptureOverlayMessages) {
    struct Row { unsigned message; std::int32_t state; const char* effects; };
    const Row rows[] = {
        {wm::MouseActivate, 1, "=3"},
        {wm::LeftDown, 1, "CapturePress =0"},
        {wm::LeftUp, 1, "=0"},
        {wm::LeftUp, 2, "EndCapture(1) =0"},
        {wm::RightUp, 2, "EndCapture =0"},
    };
    for (const Row& r : rows) {
        PickerState s;
        std::tie(s.show, s.captureState) = std::tuple{1, r.state};
        EXPECT_EQ(show(captureOverlayMessage(s, r.message)), r.effects) << r.message;
    }
}

// The mixer from entry to exit: the pick and its tolerance drag, the refresh on the sixth
// quiet tick, the release, the sliders in the panel, leaving. The monitors' area starts
// left of and above the primary one.
TEST(Decisions, MixerFromThePickToLeaving) {
    PickerState s;
    MixerState m;
    std::tie(s.pinned, s.currentColour, s.show, s.frozen) = std::tuple{0, 0x00804020u, 0, 1};  // hidden and frozen
    std::tie(s.magnifierLeft, s.slidersTop, s.panelX, s.panelY) = std::tuple{5, 60, 400, 300};
    std::tie(snapshot.originX, snapshot.originY) = std::tuple{-1280, -100};
    m.tolerance = 7;
    EXPECT_EQ(show(mixerStart(s, m)), "ClearPanel") << "the picture waits for the panel to go";
    EXPECT_EQ(show(mixerPointerMove(s, m)), "") << "nothing while the mode is entered";
    EXPECT_EQ(show(mixerPointerRelease(s, m)), "");
    EXPECT_EQ(show(mixerHoldScreen(s)), "GrabScreen ShowMixerOverlay ShowPanel Layout MixerReady");
    EXPECT_EQ(show(mixerReady(s, m)), "LiftPanel StartMixerTimer");
    EXPECT_EQ((std::array{s.pinned, m.user.pinned, std::int32_t{s.mixerStarting}, s.show}), (std::array{1, 0, 0, 1}));

    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::MouseMove, 30, 40)), "SetCursor(2) Post:READOUT");
    EXPECT_EQ((std::array{s.cursorX, s.cursorY}), (std::array{-1250, -60}));
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::LeftDown, 30, 40)),
              "MarkMatches(8405024,7) ShowSnapshot DrawSlider(3) DrawSlider DrawSlider(1) DrawSlider(2) =0")
        << "marked with the last tolerance, which then starts again from 0";
    EXPECT_EQ((std::array{m.colourSliders[0].value, m.colourSliders[1].value, m.colourSliders[2].value, m.tolerance}),
              (std::array{0x20, 0x40, 0x80, 0}));
    EXPECT_EQ((std::array{m.toleranceSlider.x, m.toleranceSlider.y, m.toleranceSlider.length, std::int32_t{s.mixerPicking}}),
              (std::array{30, 40, 100, 1}));
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::MouseMove, 30, 40)), "SetCursor(4)") << "no readouts while picking";
    std::tie(s.cursorX, s.cursorY) = std::tuple{-1280 + 30 + 45, -100 + 41};  // 45 pixels right, an odd row
    EXPECT_EQ(show(mixerPointerMove(s, m)), "DrawSlider(3)");
    EXPECT_EQ((std::array{m.toleranceSlider.value, m.tolerance, m.mixerDirty}), (std::array{46, 15, 1}));
    for (int tick = 0; tick < 5; ++tick) EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::Timer, 0, 0)), "") << tick;
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::Timer, 0, 0)), "MarkMatches(8405024,15,1) ShowSnapshot DrawSlider(3)");
    EXPECT_EQ(m.mixerDirty, 0);
    for (int tick = 0; tick < 6; ++tick) EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::Timer, 0, 0)), "") << "clean";
    EXPECT_EQ(show(mixerPointerRelease(s, m)), "Post:MIXERRELEASE(1)");
    EXPECT_EQ(show(mixerRecolour(s, m, true)), "MarkMatches(8405024,15,1) Recolour(8405024) ShowSnapshot");
    EXPECT_EQ(show(mixerRecolour(s, m, false)), "Recolour(8405024) ShowSnapshot");

    // The red slider's thumb (0x20 of 255 on 128 pixels) is at x 15 + 16 on row 64: a press
    // there drags it, not the panel.
    EXPECT_FALSE(mixerSliderPress(s, m, 100, 64));
    EXPECT_TRUE(mixerSliderPress(s, m, 31, 66));
    s.scale = 2;  // at 192 DPI the same thumb lies twice as far into the window
    EXPECT_EQ((std::array{mixerSliderPress(s, m, 31, 66), mixerSliderPress(s, m, 62, 132)}), (std::array{false, true}));
    s.scale = 1;
    EXPECT_EQ(show(mixerPanelMove(s, m, 15 + 100, 64)), "DrawSlider Post:READOUT(0,1)");
    EXPECT_EQ(s.currentColour, 0x008040C7u) << "the preview shows the mix";
    // The drag goes on off the panel, where only the hook sees the pointer: a fast move right
    // takes the slider to its end. It counts as a change.
    std::tie(s.cursorX, s.cursorY) = std::tuple{400 + 600, 300 + 64};
    EXPECT_EQ(show(mixerPointerMove(s, m)), "DrawSlider Post:READOUT(0,1) Post:PLACE");
    EXPECT_EQ(s.currentColour, 0x008040FFu);
    EXPECT_EQ(show(mixerPointerMove(s, m)), "DrawSlider Post:READOUT(0,1)") << "placement asked once";
    for (int tick = 0; tick < 5; ++tick) mixerOverlayMessage(s, m, wm::Timer, 0, 0);
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::Timer, 0, 0)), "Recolour(8405247) ShowSnapshot");
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::MouseActivate, 0, 0)), "=3");
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::Paint, 0, 0)), "PaintSnapshot =0");
    PickerState ending = s;
    MixerState endingMixer = m;
    EXPECT_EQ(show(mixerExit(s, m, false)), "StopMixerTimer ParkOverlay FreeSnapshot Layout ApplyVisibility");
    EXPECT_EQ((std::array{s.pinned, std::int32_t{s.mixerActive}, s.show}), (std::array{0, 0, 1}));
    mixerExit(ending, endingMixer, true);  // the program ends: the user's own settings are stored
    EXPECT_EQ((std::array{ending.pinned, ending.show, ending.frozen}), (std::array{0, 0, 1}));
    EXPECT_EQ(show(mixerRecolour(s, m, true)) + show(mixerHoldScreen(PickerState{})), "")
        << "a release queued before leaving does nothing, nor a picture timer";
    snapshot = Snapshot{};
}

// Page 0 is the about page, 1 the help page, which has no links; the links' rectangles and the
// page button exclude their right and bottom edges.
TEST(Decisions, AboutWindowPressesFlipsAndClosing) {
    constexpr const char* close = "CloseAbout PointerToState Layout ApplyVisibility";
    struct Row { std::uint8_t page; unsigned message; std::int32_t x, y; std::string fx; std::uint8_t after, open; };
    const Row rows[] = {
        {0, wm::MouseMove, 40, 150, "SetCursor(1)", 0, 1},
        {0, wm::MouseMove, 110, 160, "SetCursor(1)", 0, 1},
        {0, wm::LeftDown, 40, 150, std::string("Post:SITE ") + close, 0, 0},
        {0, wm::LeftDown, 40, 157, std::string("Post:SITE Post:MAIL ") + close, 0, 0},  // the row the two share
        {0, wm::RightDown, 110, 160, std::string("Post:MAIL ") + close, 0, 0},
        {0, wm::LeftDown, 40, 171, close, 0, 0},
        {1, wm::LeftDown, 40, 157, close, 1, 0},
        {1, wm::RightDown, 189, 258, "PaintAbout(1)", 0, 1},
        {0, wm::LeftDown, 136, 249, "PaintAbout(1)", 1, 1},
        {1, wm::LeftDown, 190, 258, close, 1, 0},
        {0, wm::LeftDown, 150, 266, close, 0, 0},
        {0, wm::LeftUp, 136, 249, "", 0, 1},
    };
    for (const Row& r : rows) {
        PickerState s;
        std::tie(s.aboutPage, s.aboutActive, s.aboutX, s.aboutY) = std::tuple{r.page, 1, r.x, r.y};
        // A press is judged where the pointer last moved, not at the point the press gives.
        const bool move = r.message == wm::MouseMove;
        EXPECT_EQ(show(aboutMessage(s, r.message, move ? r.x : 1, move ? r.y : 1)), r.fx) << r.message << " " << r.x;
        EXPECT_EQ((std::array{s.aboutPage, s.aboutActive}), (std::array{r.after, r.open})) << r.message << " "
            << r.x;
    }
    // At scale 2 the window is twice the page, kept on the screen, and reads the page's pixels.
    // Where the work area (a 40-pixel taskbar below) cannot hold it with its 8 x 30 frame, the
    // largest scale that fits.
    PickerState s;
    s.aboutActive = 1;
    for (auto [scale, width, height, left, top, fits] : {std::array{1, 1024, 768, 400, 162, 1},
                                                         {3, 1920, 1200, 625, 0, 3},
                                                         {3, 640, 1200, 97, 157, 2},
                                                         {3, 800, 630, 288, 93, 1},
                                                         {3, 1024, 768, 289, 0, 2}}) {
        std::tie(s.scale, s.screenWidth, s.screenHeight) = std::tuple{scale, width, height};
        placeAboutWindow(s, {0, 0, width, height - 40}, 8, 30);
        EXPECT_EQ(s.aboutRect, (Rect{left, top, left + 223 * fits, top + 283 * fits})) << width << "x" << height;
    }
    aboutMessage(s, wm::MouseMove, 2 * 160 + 1, 2 * 258 + 1);
    EXPECT_EQ(show(aboutMessage(s, wm::LeftDown, 0, 0)), "PaintAbout(1)") << "the page button";
}

// Each item: the setting it changes, the one item of its group checked, what else it does.
TEST(Decisions, EveryMenuCommand) {
    using namespace cmd;
    using S = PickerState;
    struct Row { unsigned command; std::int32_t S::*field; std::int32_t value; unsigned checked; const char* effects; };
    const Row rows[] = {
        {PipetteMax, &S::cellSize, 7, PipetteMax, "Layout"},
        {WindowMin, &S::sizeStep, -2, WindowMin, "Layout"},
        {WindowMax, &S::sizeStep, 10, WindowMax, "Layout"},
        {HexValues, &S::readoutRadix, 16, HexValues, "Layout"},
        {Coordinates, &S::showCoordinates, 0, 0, "Layout"},
        {HsvCmyk, &S::showHsv, 1, HsvCmyk, "Layout"},
        {PaletteNormal, &S::paletteFilter, 0, PaletteNormal, "Layout"},
        {PaletteWeb, &S::paletteFilter, 1, PaletteWeb, "Layout"},
        {CopyFormatFirst + 3, &S::copyFormat, 3, CopyFormatFirst + 3, ""},
        {SampleFirst + 2, &S::sample, 2, SampleLast, "Layout"},
        {Contrast, &S::contrast, 1, Contrast, "Layout"},
        {FrozenKeys, &S::keys, 1, FrozenKeys, ""},
        {Help, &S::show, 0, 0, "OpenAbout"},
        {CopyFormatFirst + kCopyFormats, &S::show, 0, 0, ""},  // between two submenus
    };
    for (const Row& r : rows) {
        PickerState s;
        const Effects fx = commandDecision(s, r.command);
        std::string checked;
        for (const Effect& e : fx)
            if (e.what == Fx::SetCheck && e.b) checked += std::to_string(e.a);
        EXPECT_EQ(checked, r.checked ? std::to_string(r.checked) : "") << r.command;
        EXPECT_EQ((std::pair{s.*r.field, show(fx)}), (std::pair{r.value, std::string(r.effects)})) << r.command;
    }
    PickerState s;
    std::tie(s.hexReadouts, s.show, s.recentCount) = std::tuple{1, 1, 2};
    commandDecision(s, HexValues);
    commandDecision(s, Help);
    EXPECT_EQ((std::array{s.readoutRadix, std::int32_t{s.aboutPage}}), (std::array{10, 1})) << "the help page first";
    s.aboutActive = 0;
    EXPECT_EQ(show(commandDecision(s, ShowHide)), "HidePanel");
    EXPECT_EQ(show(commandDecision(s, RecentFirst + 1)) + show(commandDecision(s, RecentFirst + 2)) +
                  show(commandDecision(s, SavePalette)), "CopyRecent(1)SavePalette");
    // Hiding, help and exit end a capture or the mixer first; exit for good, so that the
    // settings stored are those from before the mode.
    struct Mode { std::int32_t capture; std::uint8_t mixer; unsigned command; const char* effects; };
    for (const Mode& r : {Mode{1, 0, ShowHide, "EndCapture HidePanel"},
                          Mode{2, 0, Help, "EndCapture OpenAbout"},
                          Mode{0, 1, ShowHide, "ExitMixer HidePanel"},
                          Mode{2, 0, Exit, "EndCapture Exit"},
                          Mode{0, 1, Exit, "ExitMixer(1) Exit"},
                          Mode{0, 1, Help, "ExitMixer OpenAbout"}}) {
        std::tie(s.captureState, s.mixerActive, s.show) = std::tuple{r.capture, r.mixer, 1};
        EXPECT_EQ(show(commandDecision(s, r.command)), r.effects) << r.command;
    }
}

TEST(Decisions, PanelMessages) {
    enum Mode { Normal, Hidden, About, Mixer, Capture, Frozen };
    struct Row { Mode mode; unsigned message; std::uint32_t wParam; std::int32_t lParam; const char* effects; };
    const Row rows[] = {
        {Normal, wm::MouseActivate, 0, 0, "=3"},
        {Normal, wm::Command, cmd::Exit, 0, "Exit"},
        {About, wm::Command, cmd::Exit, 0, ""},
        {Normal, wm::LeftDown, 0, 0, "Post:FRAME Post:READOUT"},
        {About, wm::LeftDown, 0, 0, ""},
        {Mixer, wm::LeftDown, 0, 0, ""},
        {Normal, wm::LeftDoubleClick, 0, 0, "HidePanel =0"},
        {Mixer, wm::LeftDoubleClick, 0, 0, "ExitMixer =0"},
        {Normal, wm::RightDown, 0, 0, "OpenPanelMenu =0"},
        {Mixer, wm::RightDown, 0, 0, "ExitMixer =0"},
        {About, wm::RightDown, 0, 0, ""},
        {Normal, UM_TRAY, 0, 0x0203, "HidePanel"},
        {Hidden, UM_TRAY, 0, 0x0203, "ShowPanel"},
        {Capture, UM_TRAY, 0, 0x0203, "EndCapture HidePanel"},
        {Mixer, UM_TRAY, 0, 0x0203, "ExitMixer HidePanel"},
        {Normal, UM_TRAY, 0, 0x0205, "OpenTrayMenu"},
        {Normal, UM_TRAY, 0, 0x0201, ""},
        {About, UM_TRAY, 0, 0x0205, ""},
        // The session ends: the system ends the process once the panel has answered.
        {Normal, wm::EndSession, 1, 0, "StoreSettings"},
        {Capture, wm::EndSession, 1, 0, "EndCapture StoreSettings"},
        {Mixer, wm::EndSession, 1, 0, "ExitMixer(1) StoreSettings"},
        {About, wm::EndSession, 1, 0, "CloseAbout StoreSettings"},
        {Normal, UM_FRAME, 0, 0, "PaintFrame PaintReadouts"},
        {Frozen, UM_FRAME, 0, 0, "PaintFrame"},
        {Normal, UM_PLACE, 0, 0, "PlacePanel PaintReadouts"},
        {Frozen, UM_STEP, 0, 0, "MovePointer(7,8) PaintReadouts(0,1)"},
        {Mixer, wm::Timer, kPictureTimer, 0, "MixerHoldScreen"},
        {Normal, wm::DpiChanged, 0x00C000C0, 0, "Layout =0"},
        {Mixer, wm::MouseMove, 0, 0, "Post:READOUT(0,1)"},
    };
    MixerState mixer;
    for (const Row& r : rows) {
        PickerState s;
        std::tie(s.show, s.frozen, s.captureState, s.placementAsked) = std::tuple{r.mode != Hidden, r.mode == Frozen,
                                                                                  r.mode == Capture, 1};
        s.aboutActive = r.mode == About;
        s.mixerActive = r.mode == Mixer;
        std::tie(s.stepAsked, s.cursorX, s.cursorY) = std::tuple{1, 7, 8};
        EXPECT_EQ(show(panelDecision(s, mixer, {r.message, r.wParam, r.lParam, 0, 0})), r.effects) << r.mode << " "
            << r.message;
        EXPECT_EQ(s.placementAsked, r.message != UM_PLACE) << "a placement done may be asked for again";
        EXPECT_EQ(s.stepAsked, r.message != UM_STEP);
    }
    // A press grabs the panel at its own point; the release lets go. A frozen panel thaws.
    PickerState s;
    std::tie(s.panelX, s.panelY, s.cursorGap, s.frozen) = std::tuple{300, 200, 10, 1};
    panelDecision(s, mixer, {wm::LeftDown, 0, 0, 30, 20});
    EXPECT_EQ((std::array{s.draggingPanel, s.dragOffsetX, s.dragOffsetY, s.frozen}), (std::array{1, -40, -30, 0}));
    panelDecision(s, mixer, {wm::LeftUp, 0, 0, 0, 0});
    EXPECT_EQ(s.draggingPanel, 0);
}
