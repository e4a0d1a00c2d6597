// The decisions as tables: state before, event, modifiers -> effects and state after.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
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
#include "mixer/snapshot.h"
#include "tracking/gestures.h"
#include "tracking/keys.h"

namespace {

// Effects as text, check marks apart: "Post:FRAME", "Name(a,b)" without trailing zeros, "=value" for the answer.
std::string show(const Effects& fx, std::optional<Fx> only = {}) {
    static const char* const names[] = {
#define TINTSPOT_EFFECT_NAME(name) #name,
        TINTSPOT_EFFECTS(TINTSPOT_EFFECT_NAME)
    };
    static const char* const posted[] = {"TRAY", "READOUT", "FRAME", "SITE", "MAIL", "COPYTEXT", "COPYBITMAP",
                                         "MIXERRELEASE", "PLACE", "STEP"};
    std::string out;
    for (const Effect& e : fx) {
        if ((only && e.what != *only) || e.what == Fx::SetCheck) continue;
        const bool post = e.what == Fx::Post;
        out += out.empty() ? "" : " ";
        out += post ? std::string("Post:") + posted[e.a - UM_TRAY] : names[static_cast<int>(e.what)];
        const std::array<std::int32_t, 4> args = post ? std::array{e.b, e.c, 0, 0} : std::array{e.a, e.b, e.c, e.d};
        std::size_t shown = 4;
        while (shown > 0 && args[shown - 1] == 0) --shown;
        for (std::size_t i = 0; i < shown; ++i) out += (i ? "," : "(") + std::to_string(args[i]);
        out += shown ? ")" : "";
    }
    if (fx.answered() && !only) out += (out.empty() ? "=" : " =") + std::to_string(fx.answerValue());
    return out;
}

}  // namespace

TEST(Decisions, PointerEventsOfTheHook) {
    enum Mode { Normal, Hidden, About, Mixer, Crosshair, Band, Echo, NoEcho };
    struct Row { Mode mode; PointerEvent::Kind kind; const char *keys, *effects; std::int32_t draggingPanel = 1; };
    using enum PointerEvent::Kind;
    const Row rows[] = {
        {Mixer, Move, "", "MixerMove"},
        {Crosshair, Move, "", "CaptureMove"},
        {Echo, Move, "", "=1"},  // the pointer set by steps, reported back
        {NoEcho, Move, "", "Post:PLACE"},
        {Normal, LeftDown, "a", "TogglePin Post:FRAME"},
        {Normal, LeftDown, "s", "ToggleFreeze Post:FRAME Post:READOUT"},
        {Normal, RightDown, "s", ""},
        {Normal, LeftDown, "cs", "StartCapture =1"},
        {Normal, LeftDown, "c", ""},
        // A capture's presses, the first too, go no further (=1); a right press cancels it, then counts as a press.
        {Crosshair, LeftDown, "a", "CapturePress =1"},
        {Band, LeftDown, "acs", "=1"},
        {Band, RightDown, "a", "EndCapture TogglePin Post:FRAME =1"},
        {Mixer, LeftDown, "acs", ""},
        {About, LeftDown, "a", ""},
        {Hidden, RightDown, "cs", ""},
        {Normal, LeftUp, "c", "Post:COPYTEXT", 0},
        {Normal, LeftUp, "cs", "", 0},
        {Crosshair, LeftUp, "", "", 0},  // the release of the click that started it
        {Band, LeftUp, "c", "EndCapture(1)", 0},
        {Mixer, LeftUp, "c", "Post:COPYTEXT MixerRelease"},
    };
    for (const Row& r : rows) {
        PickerState s{.draggingPanel = 1, .show = r.mode != Hidden, .cursorX = 7, .cursorY = 8,
                      .aboutActive = r.mode == About, .captureState = r.mode == Crosshair ? 1 : r.mode == Band ? 2 : 0,
                      .mixerActive = r.mode == Mixer};
        s.stepSpan = r.mode == Echo || r.mode == NoEcho ? Rect{-310, -40, r.mode == Echo ? -299 : -300, -39} : Rect{};
        const auto held = [&r](char key) { return std::strchr(r.keys, key) != nullptr; };
        EXPECT_EQ(show(pointerDecision(s, {r.kind, -300, -40, held('a'), held('s'), held('c')})), r.effects)
            << r.mode << r.kind << r.keys;
        EXPECT_EQ(s.draggingPanel, r.draggingPanel) << r.mode << r.kind;
        const bool moved = r.kind == Move && r.mode != Echo;
        EXPECT_EQ(std::pair(s.cursorX, s.cursorY), moved ? std::pair(-300, -40) : std::pair(7, 8));
        EXPECT_EQ(s.stepSpan, (r.mode == Echo ? Rect{-310, -40, -299, -39} : Rect{})) << "a move elsewhere ends it";
    }
    PickerState s{.frozen = 1};
    togglePin(s);
    EXPECT_EQ((std::array{s.pinned, s.frozen}), (std::array{1, 0})) << "a pin unfreezes";
}

// Keys while frozen, pressed at (x0, y0) on two monitors (the second right of the first and lower), then released.
TEST(Decisions, KeysOfTheKeyboardHook) {
    enum Mode { Wanted, Asked, Off, Following, Capture, Modal };
    struct Row { Mode mode; unsigned key; const char *held, *effects; int x0 = 5, y0 = 5, x = 5, y = 5; };
    const Row rows[] = {
        {Wanted, vk::Up, "c", "Post:STEP =1", 500, 300, 500, 290},
        {Asked, vk::Left, "", "=1", 500, 300, 499, 300},  // asked once until the panel has stepped
        {Wanted, vk::Right, "", "Post:STEP =1", 1023, 50, 1023, 50},
        {Wanted, vk::Right, "c", "Post:STEP =1", 1020, 300, 1030, 300},
        {Wanted, vk::Left, "c", "Post:STEP =1", 3, 9, 0, 9},
        {Wanted, vk::Return, "c", "Post:COPYTEXT =1"},
        {Wanted, vk::Escape, "", "=1"},
        {Wanted, vk::Right, "a", ""},
        {Wanted, 'A', "", ""},
        {Off, vk::Right, "", ""},
        {Following, vk::Escape, "", ""},
        {Capture, vk::Left, "", ""},
        {Modal, vk::Up, "", ""},
    };
    for (const Row& r : rows) {
        PickerState s{.frozen = r.mode != Following, .show = 1, .keys = r.mode != Off,
                      .monitors = {{0, 0, 1024, 768}, {1024, 100, 2048, 868}}, .monitorCount = 2, .cursorX = r.x0,
                      .cursorY = r.y0, .stepAsked = r.mode == Asked, .captureState = r.mode == Capture,
                      .modalOpen = r.mode == Modal};
        const std::string kept = show(keyDecision(s, {r.key, false, r.held[0] == 'c', r.held[0] == 'a'}));
        EXPECT_EQ(kept, r.effects) << r.mode << r.key << r.held;
        EXPECT_EQ((std::array{s.cursorX, s.cursorY}), (std::array{r.x, r.y})) << r.key;
        EXPECT_EQ(s.stepAsked, r.mode == Asked || kept.find("STEP") != kept.npos);
        EXPECT_TRUE(!s.stepAsked || (pointInRect(s.stepSpan, r.x0, r.y0) && pointInRect(s.stepSpan, r.x, r.y)));
        const char* released = r.key == vk::Escape ? "ToggleFreeze Post:FRAME Post:READOUT =1" : "=1";
        EXPECT_EQ(show(keyDecision(s, {r.key, true})), kept.empty() ? "" : released) << "kept as its press was";
    }
}

// A capture over monitors left of and above the primary, the band dragged either way: its inside is copied (a band
// with no pixels inside, or a click's slip, copies nothing); the panel comes back unpinned.
TEST(Decisions, RegionCaptureCopiesTheBandAndGivesThePanelBack) {
    for (auto [copy, x0, y0, x, y] : {std::tuple{true, -100, 80, -140, 50},
                                      {true, -140, 50, -100, 80},
                                      {false, -100, 80, -140, 50}}) {
        PickerState s{.cursorX = x0, .cursorY = y0};
        CaptureState c;
        captureStart(s, c, {-1280, -200, 1024, 768});
        EXPECT_EQ(s.pinned, 1) << "held still";
        EXPECT_EQ(show(captureHoldScreen(s, c), Fx::TakePicture), "TakePicture(-1280,-200,1024,768)");
        capturePress(s, c);
        std::tie(s.cursorX, s.cursorY) = std::tuple{x, y};
        captureMove(s, c);
        capturePress(s, c);  // a second press keeps the corner
        const Effects end = captureEnd(s, c, copy);
        EXPECT_EQ(show(end, Fx::CutBand), copy ? "CutBand(-139,51,-100,80)" : "") << x0;
        EXPECT_EQ(show(end, Fx::PlacePanel) + show(end, Fx::ReleasePicture), "PlacePanelReleasePicture");
        EXPECT_EQ((std::array{s.captureState, s.pinned}), (std::array{0, 0}));
        EXPECT_EQ(show(captureHoldScreen(s, c)), "") << "ended before its picture: none";
    }
    for (auto [w, h, copies] : {std::tuple{5, 6, true},
                                {5, 5, false},
                                {1, 60, false},
                                {2, 60, true},
                                {60, 1, false}})
        EXPECT_EQ(bandCopies({100, 200, 100 + w, 200 + h}), copies) << w << "x" << h;
}

// The mixer from entry to exit, on monitors whose area starts left of and above the primary one.
TEST(Decisions, MixerFromThePickToLeaving) {
    PickerState s{.panelX = 400, .panelY = 300, .frozen = 1, .magnifierLeft = 5, .slidersTop = 60,
                  .currentColour = 0x00804020u};  // hidden, frozen
    MixerState m{.tolerance = 7};
    std::tie(snapshot.originX, snapshot.originY) = std::tuple{-1280, -100};
    const auto tick = [&] { return show(mixerOverlayMessage(s, m, wm::Timer, 0, 0)); };
    EXPECT_EQ(show(mixerStart(s, m)), "ClearPanel") << "the picture waits for the panel to go";
    EXPECT_EQ(show(mixerPointerMove(s, m)) + show(mixerPointerRelease(s, m)), "") << "nothing while it is entered";
    EXPECT_EQ(show(mixerHoldScreen(s), Fx::GrabScreen), "GrabScreen");
    EXPECT_EQ(show(mixerReady(s, m), Fx::StartMixerTimer), "StartMixerTimer");
    EXPECT_EQ((std::array{s.pinned, s.show}), (std::array{1, 1}));

    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::MouseMove, 30, 40)), "SetCursor(2) Post:READOUT");
    EXPECT_EQ((std::array{s.cursorX, s.cursorY}), (std::array{-1250, -60}));
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::LeftDown, 30, 40)),
              "MarkMatches(8405024,7) ShowSnapshot DrawSlider(3) DrawSlider DrawSlider(1) DrawSlider(2) =0")
        << "marked with the last tolerance";
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::MouseMove, 30, 40)), "SetCursor(4)") << "no readouts while picking";
    std::tie(s.cursorX, s.cursorY) = std::tuple{-1280 + 30 + 45, -100 + 41};  // 45 pixels right, an odd row
    EXPECT_EQ(show(mixerPointerMove(s, m)), "DrawSlider(3)");
    EXPECT_EQ(m.tolerance, 15);
    for (int quiet = 0; quiet < 5; ++quiet) EXPECT_EQ(tick(), "") << quiet;
    EXPECT_EQ(tick(), "MarkMatches(8405024,15,1) ShowSnapshot DrawSlider(3)");
    for (int clean = 0; clean < 6; ++clean) EXPECT_EQ(tick(), "") << clean;
    EXPECT_EQ(show(mixerPointerRelease(s, m)), "Post:MIXERRELEASE(1)");
    EXPECT_EQ(show(mixerRecolour(s, m, true)), "MarkMatches(8405024,15,1) Recolour(8405024) ShowSnapshot");
    EXPECT_EQ(show(mixerRecolour(s, m, false)), "Recolour(8405024) ShowSnapshot");

    EXPECT_EQ((std::array{mixerSliderPress(s, m, 100, 64), mixerSliderPress(s, m, 31, 66)}), (std::array{false, true}));
    s.scale = 2;  // at 192 DPI the same thumb lies twice as far into the window
    EXPECT_EQ((std::array{mixerSliderPress(s, m, 31, 66), mixerSliderPress(s, m, 62, 132)}), (std::array{false, true}));
    EXPECT_EQ(show(mixerPanelMove(s, m, 2 * (15 + 100), 2 * 64)), "DrawSlider Post:READOUT(0,1)");
    EXPECT_EQ(s.currentColour, 0x008040C7u) << "the preview shows the mix";
    // The drag goes on off the panel, where only the hook sees the pointer: a fast move right takes the slider's end.
    std::tie(s.cursorX, s.cursorY) = std::tuple{400 + 600, 300 + 64};
    EXPECT_EQ(show(mixerPointerMove(s, m)), "DrawSlider Post:READOUT(0,1) Post:PLACE");
    EXPECT_EQ(s.currentColour, 0x008040FFu);
    EXPECT_EQ(show(mixerPointerMove(s, m)), "DrawSlider Post:READOUT(0,1)") << "placement asked once";
    for (int quiet = 0; quiet < 5; ++quiet) tick();
    EXPECT_EQ(tick(), "Recolour(8405247) ShowSnapshot");
    EXPECT_EQ(show(mixerOverlayMessage(s, m, wm::MouseActivate, 0, 0)), "=3");
    auto [ending, endingMixer] = std::pair{s, m};
    EXPECT_EQ(show(mixerExit(s, m, false)), "StopMixerTimer ParkOverlay FreeSnapshot Layout ApplyVisibility");
    EXPECT_EQ((std::array{s.pinned, std::int32_t{s.mixerActive}, s.show}), (std::array{0, 0, 1}));
    mixerExit(ending, endingMixer, true);  // the program ends: the user's own settings are stored
    EXPECT_EQ((std::array{ending.pinned, ending.show, ending.frozen}), (std::array{0, 0, 1}));
    EXPECT_EQ(show(mixerRecolour(s, m, true)) + show(mixerHoldScreen(PickerState{})), "")
        << "a release queued before leaving, or a picture timer";
    snapshot = Snapshot{};
}

// Page 0 about, 1 help (no links); rectangles exclude right and bottom edges; presses count where the pointer moved.
TEST(Decisions, AboutWindowPressesFlipsAndClosing) {
    constexpr const char* close = "CloseAbout PointerToState Layout ApplyVisibility";
    struct Row { std::uint8_t page; unsigned message; std::int32_t x, y; std::string fx; std::uint8_t after, open; };
    const Row rows[] = {
        {0, wm::MouseMove, 40, 150, "SetCursor(1)", 0, 1},
        {0, wm::LeftDown, 40, 150, std::string("Post:SITE ") + close, 0, 0},
        {0, wm::RightDown, 110, 160, std::string("Post:MAIL ") + close, 0, 0},
        {1, wm::LeftDown, 40, 157, close, 1, 0},
        {1, wm::RightDown, 189, 258, "PaintAbout(1)", 0, 1},
        {0, wm::LeftDown, 136, 249, "PaintAbout(1)", 1, 1},
        {1, wm::LeftDown, 190, 258, close, 1, 0},
        {0, wm::LeftDown, 150, 266, close, 0, 0},
    };
    for (const Row& r : rows) {
        PickerState s{.aboutActive = 1, .aboutPage = r.page, .aboutX = r.x, .aboutY = r.y};
        EXPECT_EQ(show(aboutMessage(s, r.message, r.x, r.y)), r.fx) << r.message << r.x;
        EXPECT_EQ((std::array{s.aboutPage, s.aboutActive}), (std::array{r.after, r.open})) << r.message << r.x;
    }
    // On the screen, at the largest scale up to 3 that fits the work area (a 40-pixel taskbar) with the 8 x 30 frame.
    PickerState s{.scale = 3, .aboutActive = 1};
    const std::array<std::int32_t, 5> screens[] = {
        {1920, 1200, 625, 0, 3},
        {800, 630, 288, 93, 1},
        {640, 1200, 97, 157, 2},
    };
    for (auto [width, height, left, top, fits] : screens) {
        std::tie(s.screenWidth, s.screenHeight) = std::tuple{width, height};
        placeAboutWindow(s, {0, 0, width, height - 40}, 8, 30);
        EXPECT_EQ(s.aboutRect, (Rect{left, top, left + 223 * fits, top + 283 * fits})) << width << "x" << height;
    }
    aboutMessage(s, wm::MouseMove, 2 * 160 + 1, 2 * 258 + 1);
    EXPECT_EQ(show(aboutMessage(s, wm::LeftDown, 0, 0)), "PaintAbout(1)") << "the page button, where it moved";
}

// Each item: the setting it changes, the one item of its group checked, what else it does.
TEST(Decisions, EveryMenuCommand) {
    using namespace cmd;
    using S = PickerState;
    struct Row { unsigned command; std::int32_t S::*field; std::int32_t value; unsigned checked; const char* effects; };
    const Row rows[] = {
        {PipetteMax, &S::cellSize, 7, PipetteMax, "Layout"},
        {HexValues, &S::readoutRadix, 16, HexValues, "Layout"},
        {Coordinates, &S::showCoordinates, 0, 0, "Layout"},
        {PaletteWeb, &S::paletteFilter, 1, PaletteWeb, "Layout"},
        {CopyFormatFirst + 3, &S::copyFormat, 3, CopyFormatFirst + 3, ""},
        {FrozenKeys, &S::keys, 1, FrozenKeys, ""},
        {CopyFormatFirst + kCopyFormats, &S::show, 0, 0, ""},  // between two submenus
    };
    for (const Row& r : rows) {
        PickerState s;
        const Effects fx = commandDecision(s, r.command);
        std::string checked;
        for (const Effect& e : fx) checked += e.what == Fx::SetCheck && e.b ? std::to_string(e.a) : "";
        EXPECT_EQ(checked, r.checked ? std::to_string(r.checked) : "") << r.command;
        EXPECT_EQ((std::pair{s.*r.field, show(fx)}), (std::pair{r.value, std::string(r.effects)})) << r.command;
    }
    PickerState s{.recentCount = 2};
    EXPECT_EQ(show(commandDecision(s, RecentFirst + 1)) + show(commandDecision(s, RecentFirst + 2)) +
                  show(commandDecision(s, SavePalette)), "CopyRecent(1)SavePalette");
    EXPECT_EQ(show(commandDecision(s, Help)), "OpenAbout");
    EXPECT_EQ(s.aboutPage, 1) << "help opens on the help page";
}

// The panel's messages, in a capture too, and the capture overlay's (Crosshair, Band), which ends one the hook missed.
TEST(Decisions, PanelAndCaptureOverlayMessages) {
    enum Mode { Normal, Hidden, About, Mixer, Frozen, Capture, Crosshair, Band };
    struct Row { Mode mode; unsigned message; const char* effects; std::uint32_t wParam = 0; std::int32_t lParam = 0; };
    const Row rows[] = {
        {Normal, wm::MouseActivate, "=3"},
        {About, wm::Command, "", cmd::Exit},
        // Hiding, help and exit end the mode first; exit for good, storing the settings from before the mode.
        {Capture, wm::Command, "EndCapture HidePanel", cmd::ShowHide},
        {Mixer, wm::Command, "ExitMixer HidePanel", cmd::ShowHide},
        {Mixer, wm::Command, "ExitMixer(1) Exit", cmd::Exit},
        {Mixer, wm::Command, "ExitMixer OpenAbout", cmd::Help},
        {Normal, wm::LeftDown, "Post:FRAME Post:READOUT"},
        {Normal, wm::LeftDoubleClick, "HidePanel =0"},
        {Mixer, wm::LeftDoubleClick, "ExitMixer =0"},
        {Normal, wm::RightDown, "OpenPanelMenu =0"},
        {Mixer, wm::RightDown, "ExitMixer =0"},
        {About, wm::RightDown, ""},
        {Hidden, UM_TRAY, "ShowPanel", 0, 0x0203},
        {Normal, UM_TRAY, "OpenTrayMenu", 0, 0x0205},
        {Normal, UM_TRAY, "", 0, 0x0201},
        {About, UM_TRAY, "", 0, 0x0205},
        {Mixer, wm::EndSession, "ExitMixer(1) StoreSettings", 1},
        {About, wm::EndSession, "CloseAbout StoreSettings", 1},
        {Normal, UM_FRAME, "PaintFrame PaintReadouts"},
        {Frozen, UM_FRAME, "PaintFrame"},
        {Normal, UM_PLACE, "PlacePanel PaintReadouts"},
        {Frozen, UM_STEP, "MovePointer(7,8) PaintReadouts(0,1)"},
        {Mixer, wm::Timer, "MixerHoldScreen", kPictureTimer},
        {Normal, wm::DpiChanged, "Layout =0", 0x00C000C0},
        {Mixer, wm::MouseMove, "Post:READOUT(0,1)"},
        {Crosshair, wm::MouseActivate, "=3"},
        {Crosshair, wm::LeftDown, "CapturePress =0"},
        {Crosshair, wm::LeftUp, "=0"},
        {Band, wm::LeftUp, "EndCapture(1) =0"},
        {Band, wm::RightUp, "EndCapture =0"},
    };
    MixerState mixer;
    for (const Row& r : rows) {
        PickerState s{.frozen = r.mode == Frozen, .show = r.mode != Hidden, .cursorX = 7, .cursorY = 8,
                      .placementAsked = 1, .stepAsked = 1, .aboutActive = r.mode == About,
                      .captureState = r.mode == Band ? 2 : r.mode >= Capture, .mixerActive = r.mode == Mixer};
        const Effects fx = r.mode >= Crosshair ? captureOverlayMessage(s, r.message)
                                               : panelDecision(s, mixer, {r.message, r.wParam, r.lParam});
        EXPECT_EQ(show(fx), r.effects) << r.mode << " " << r.message;
        EXPECT_EQ(s.placementAsked, r.message != UM_PLACE) << "may be asked for again";
        EXPECT_EQ(s.stepAsked, r.message != UM_STEP);
    }
    PickerState s{.panelX = 300, .panelY = 200, .frozen = 1, .cursorGap = 10};
    panelDecision(s, mixer, {wm::LeftDown, 0, 0, 30, 20});  // grabbed at the press, not at the last move; thawed
    EXPECT_EQ((std::array{s.draggingPanel, s.dragOffsetX, s.dragOffsetY, s.frozen}), (std::array{1, -40, -30, 0}));
}
