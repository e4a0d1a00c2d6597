// The process-wide objects. They live in one translation unit so that their order of
// construction is fixed: the sliders first, then the shared text buffer; they are
// destroyed in the reverse order after the entry point returns.
#include "app/picker_state.h"
#include "capture/capture_state.h"
#include "display/text_buffer.h"
#include "mixer/mixer_state.h"
#include "mixer/slider.h"

PickerState picker;
CaptureState capture;
MixerState mixer;

SliderControl toleranceSlider;
SliderControl colorSliders[3];
TextBuffer sharedText;
