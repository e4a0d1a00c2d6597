// The clipboard: the colour copied as text, and any data handed over with the panel as owner.
#include "copy/clipboard_win.h"

#include <cstring>

#include "copy/formats.h"
#include "copy/recent.h"
#include "core/picker_state.h"

namespace {

// A colour as text in the chosen format. Taken by the clipboard, it goes to the top of the
// recent colours; refused, the clipboard and the recent colours stay as they were.
void copyColour(Colour colour) {
    char text[52];
    const std::size_t length = colourText(colour, picker.copyFormat, picker.hexReadouts != 0, text, sizeof text);
    // The clipboard takes only movable memory. The ten spare bytes are zeroed: a reader
    // that converts the whole block (Wine's bridge to the X clipboard does) must find no
    // stray text after the terminator.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, length + 10);
    if (!block) return;
    void* copy = GlobalLock(block);
    if (!copy) {
        GlobalFree(block);
        return;
    }
    std::memcpy(copy, text, length + 1);
    GlobalUnlock(block);
    // Once handed over the clipboard owns the block; only a refused one is ours to free.
    if (handToClipboard(CF_TEXT, block))
        rememberColour(picker, colour);
    else
        GlobalFree(block);
}

}  // namespace

void copyColourText() { copyColour(picker.currentColour); }

void copyRecentColour(std::int32_t index) {
    if (index >= 0 && index < picker.recentCount) copyColour(picker.recent[index]);
}

bool handToClipboard(UINT format, HANDLE data) {
    if (!OpenClipboard(picker.panelHwnd)) return false;
    EmptyClipboard();
    const bool taken = SetClipboardData(format, data) != nullptr;
    CloseClipboard();
    return taken;
}
