#include "app/handover.h"

#include "tracking/gestures.h"

Effects decideHandOvers(PickerState& s, CaptureState& capture, MixerState& mixer, const Effects& fx) {
    Effects out;
    const auto add = [&](const Effects& decided) {
        for (const Effect& e : decideHandOvers(s, capture, mixer, decided)) out.add(e.what, e.a, e.b, e.c, e.d);
    };
    for (const Effect& e : fx) {
        switch (e.what) {
        case Fx::TogglePin: togglePin(s); break;
        case Fx::ToggleFreeze: toggleFreeze(s); break;
        case Fx::StartCapture: add(captureStart(s, capture, s.allMonitors)); break;
        case Fx::CaptureMove: captureMove(s, capture); break;
        case Fx::CapturePress: capturePress(s, capture); break;
        case Fx::EndCapture: add(captureEnd(s, capture, e.a != 0)); break;
        case Fx::HoldScreen:
            out.add(Fx::StopPictureTimer);  // it fires once
            add(captureHoldScreen(s, capture));
            break;
        case Fx::StartMixer: add(mixerStart(s, mixer)); break;
        case Fx::MixerHoldScreen:
            out.add(Fx::StopPictureTimer);
            add(mixerHoldScreen(s));
            break;
        case Fx::MixerPlaced: add(mixerReady(s, mixer)); break;
        case Fx::ExitMixer: add(mixerExit(s, mixer, e.a != 0)); break;
        case Fx::MixerMove: add(mixerPointerMove(s, mixer)); break;
        case Fx::MixerRelease: add(mixerPointerRelease(s, mixer)); break;
        case Fx::MixerRecolour: add(mixerRecolour(s, mixer, e.a != 0)); break;
        default: out.add(e.what, e.a, e.b, e.c, e.d); break;
        }
    }
    if (fx.answered()) out.answer(fx.answerValue());
    return out;
}
