#include "app/panel.h"

#include "app/about.h"
#include "app/settings.h"
#include "core/commands.h"
#include "core/messages.h"
#include "tracking/keys.h"

namespace {

// A capture or the mixer ends before the panel is hidden or the program ends: neither may
// leave a full-screen overlay up, and the settings stored are the user's own.
Effects& endMode(const PickerState& s, Effects& fx, bool forGood) {
    if (s.captureState != 0) fx.add(Fx::EndCapture, 0);
    if (s.mixerActive) fx.add(Fx::ExitMixer, forGood);
    return fx;
}

Effects& toggleShown(const PickerState& s, Effects& fx) {
    if (!s.show) return fx.add(Fx::ShowPanel);
    return endMode(s, fx, false).add(Fx::HidePanel);
}

Effects beginPanelDrag(PickerState& s, MixerState& mixer, std::int32_t x, std::int32_t y) {
    Effects fx;
    const bool slider = s.mixerActive && mixerSliderPress(s, mixer, x, y);
    // From the press's own point on the panel: the hook's calls come before queued input, so
    // moves made just after the press may already have moved the pointer it last saw.
    grabPanel(s, s.panelX + x, s.panelY + y, !slider);
    if (!s.mixerActive) fx.post(UM_FRAME).post(UM_READOUT);
    return fx;
}

}  // namespace

Effects commandDecision(PickerState& s, unsigned command) {
    using namespace cmd;
    Effects fx;
    if (chooseSetting(s, command, fx)) return fx;
    if (command >= RecentFirst && command <= RecentLast) {
        const auto index = static_cast<std::int32_t>(command - RecentFirst);
        return index < s.recentCount ? fx.add(Fx::CopyRecent, index) : fx;
    }
    switch (command) {
    case ShowHide: return toggleShown(s, fx);
    case Exit: return endMode(s, fx, true).add(Fx::Exit);
    case Help:
        // The about window takes the overlay over; the mixer must give it up first, or closing
        // the about window would leave the mixer on with its surface gone.
        endMode(s, fx, false);
        return openHelp(s, fx);
    // Not entered twice: the saved pin would become the mixer's own and pin the panel for good.
    case Mixer: return s.mixerActive ? fx : fx.add(Fx::EnterMixer);
    case SavePalette: return s.recentCount > 0 ? fx.add(Fx::SavePalette) : fx;
    case AttachToCursor: return fx.add(Fx::TogglePin).post(UM_FRAME);
    default: return fx;
    }
}

Effects panelDecision(PickerState& s, MixerState& mixer, const PanelMessage& m) {
    Effects fx;
    const bool about = s.aboutActive != 0;
    switch (m.message) {
    case wm::Paint: return fx.add(Fx::PaintPanel);
    case wm::MouseActivate: return fx.answer(kNoActivate);
    case wm::Command: return about ? fx : commandDecision(s, m.wParam & 0xFFFF);
    case wm::LeftDown: return about ? fx : beginPanelDrag(s, mixer, m.x, m.y);
    case wm::LeftUp:
        if (!about) dropPanel(s);
        return fx;
    case wm::LeftDoubleClick:
        if (s.mixerActive) return fx.add(Fx::ExitMixer).answer(0);
        return toggleShown(s, fx).answer(0);
    case wm::RightDown:
        if (s.mixerActive) return fx.add(Fx::ExitMixer).answer(0);
        if (about) return fx;
        return fx.add(Fx::OpenPanelMenu).answer(0);
    case UM_TRAY:
        if (about) return fx;
        // lParam is the mouse message on the icon.
        if (m.lParam == wm::LeftDoubleClick) return toggleShown(s, fx);
        if (m.lParam == wm::RightUp) return fx.add(Fx::OpenTrayMenu);
        return fx;
    case UM_READOUT: return fx.add(Fx::PaintReadouts, m.lParam != 0);
    case UM_FRAME:
        // The frame's background covers the magnifier and readouts: they are painted again at
        // once, not at the next pointer move (a frozen panel keeps its picture).
        fx.add(Fx::PaintFrame);
        if (!s.frozen) fx.add(Fx::PaintReadouts, 0);
        return fx;
    case UM_PLACE: return placeAsAsked(s);
    case UM_STEP: return stepAsAsked(s);
    case UM_COPYTEXT: return fx.add(Fx::CopyText);
    case UM_COPYBITMAP: return fx.add(Fx::CopyBitmap);
    case UM_MIXERRELEASE: return fx.add(Fx::MixerRecolour, m.wParam != 0);
    case UM_MIXERSTART: return fx.add(Fx::StartMixer);
    case UM_MIXERPLACED: return fx.add(Fx::MixerPlaced);
    case UM_SITE: return fx.add(Fx::OpenSite);
    case UM_MAIL: return fx.add(Fx::OpenMail);
    case wm::DisplayChange: return fx.add(Fx::ReadScreen).add(Fx::Layout);
    // The panel's monitor changed its scaling: laid out again at the scale it now has.
    case wm::DpiChanged: return fx.add(Fx::Layout).answer(0);
    case wm::EndSession:
        // The system ends the process once this returns: the settings are stored now, after
        // whatever mode is on has ended.
        if (m.wParam == 0) return fx;
        if (about) closeAbout(s, fx);
        return endMode(s, fx, true).add(Fx::StoreSettings);
    case wm::Timer:
        if (m.wParam == kPictureTimer) return fx.add(s.mixerActive ? Fx::MixerHoldScreen : Fx::HoldScreen);
        return m.wParam == kHookWatchTimer ? fx.add(Fx::WatchHook) : fx;
    case wm::MouseMove: return s.mixerActive ? mixerPanelMove(s, mixer, m.x, m.y) : fx;
    default: return fx;
    }
}
