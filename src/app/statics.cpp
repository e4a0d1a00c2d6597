// The objects that exist before the entry point runs and that several parts share. They
// live in one translation unit so that their order of construction is fixed: the sliders
// first, then the shared text buffer; they are destroyed in the reverse order after the
// entry point returns. None of them calls the system when it is made.
#include "core/picker_state.h"
#include "display/text_buffer.h"
#include "mixer/slider.h"

PickerState picker;

SliderControl toleranceSlider;
SliderControl colorSliders[3];
TextBuffer sharedText;
