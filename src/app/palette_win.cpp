// "Сохранить как палитру…": the recent colours written to a file the user names in the
// standard Save As dialog, replacing the file only once the new one is whole.
#include "app/app_win.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "copy/palette_file.h"
#include "core/picker_state.h"
#include "tracking/tracking_win.h"

namespace {

// In PaletteFormat's order.
constexpr wchar_t kTypes[] = L"GIMP palette (*.gpl)\0*.gpl\0Adobe swatch exchange (*.ase)\0*.ase\0"
                             L"CSS custom properties (*.css)\0*.css\0Plain text (*.txt)\0*.txt\0";

std::wstring systemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length ? std::wstring(text, length) : L"error " + std::to_wstring(error);
    LocalFree(text);
    return reason;
}

}  // namespace

DWORD writeFileWhole(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    // Beside the destination, so that the move is a rename within one volume.
    const std::wstring partial = path + L".~" + std::to_wstring(GetCurrentProcessId());
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD written = 0, error = ERROR_SUCCESS;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || !FlushFileBuffers(file))
        error = GetLastError();
    else if (written != bytes.size())
        error = ERROR_HANDLE_DISK_FULL;
    CloseHandle(file);
    if (!error && !MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error) DeleteFileW(partial.c_str());
    return error;
}

std::wstring paletteFailureText(const std::wstring& path, DWORD error) {
    return L"The palette was not saved to\n" + path + L"\n\n" + systemReason(error);
}

void savePalette() {
    if (picker.recentCount <= 0) return;
    // Owned by a window of its own that is never shown (not the panel, which must never be
    // activated): the dialog has the keyboard while it is open, and gives it back when it closes.
    const HWND owner = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       picker.appInstance, nullptr);
    std::vector<wchar_t> name(32768, L'\0');
    lstrcpyW(name.data(), L"tintspot");
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kTypes;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrTitle = L"Сохранить как палитру";
    dialog.lpstrDefExt = L"gpl";  // the dialog adds the selected type's extension to a bare name
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (GetSaveFileNameW(&dialog)) {
        const PaletteTarget target =
            paletteTarget(name.data(), static_cast<PaletteFormat>(static_cast<int>(dialog.nFilterIndex) - 1));
        const DWORD error = writeFileWhole(
            target.path, paletteBytes(picker.recent, static_cast<std::size_t>(picker.recentCount), target.format,
                                      picker.copyFormat, picker.hexReadouts != 0));
        const std::string title = kAppTitle;  // plain ASCII
        if (error)
            MessageBoxW(owner, paletteFailureText(target.path, error).c_str(),
                        std::wstring(title.begin(), title.end()).c_str(), MB_OK | MB_ICONERROR);
    }
    DestroyWindow(owner);
}
