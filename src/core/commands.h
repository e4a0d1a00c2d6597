/* Menu command ids, written once for the resource script and the code: plain defines, which
   the resource compiler reads too, and the names the code uses for them. */
#pragma once

#define IDM_SHOW_HIDE 32778
#define IDM_EXIT 32781
#define IDM_PIPETTE_MIN 32782
#define IDM_PIPETTE_NORMAL 32783
#define IDM_PIPETTE_MAX 32784
#define IDM_HEX_VALUES 32785
#define IDM_WINDOW_MAX 32786
#define IDM_WINDOW_NORMAL 32787
#define IDM_WINDOW_MIN 32788
#define IDM_COORDINATES 32792
#define IDM_HELP 32793
#define IDM_MIXER 32794
#define IDM_HSV_CMYK 32802
#define IDM_PALETTE_NORMAL 32804
#define IDM_PALETTE_WEB 32805
#define IDM_PALETTE_GRAY 32806
#define IDM_PALETTE_INVERT 32807
#define IDM_ATTACH_TO_CURSOR 32809
/* "Формат копирования": IDM_COPY_FORMAT + n is format n, in CopyFormat's order (ten at most). */
#define IDM_COPY_FORMAT 32850
/* "Недавние цвета": the recent colours in list order, newest first. */
#define IDM_RECENT_FIRST 32860
#define IDM_RECENT_LAST 32869
/* "Размер пробы": 1 x 1, 3 x 3, 5 x 5. */
#define IDM_SAMPLE_FIRST 32870
#define IDM_SAMPLE_LAST 32872
#define IDM_CONTRAST 32875
/* "Клавиатура при заморозке": the arrow keys, Enter and Esc act while the panel is frozen. */
#define IDM_FROZEN_KEYS 32876
/* "Сохранить как палитру…", at the end of "Недавние цвета". */
#define IDM_SAVE_PALETTE 32877

#ifndef RC_INVOKED
namespace cmd {
inline constexpr unsigned ShowHide = IDM_SHOW_HIDE, Exit = IDM_EXIT;
inline constexpr unsigned PipetteMin = IDM_PIPETTE_MIN, PipetteNormal = IDM_PIPETTE_NORMAL,
                          PipetteMax = IDM_PIPETTE_MAX;
inline constexpr unsigned WindowMax = IDM_WINDOW_MAX, WindowNormal = IDM_WINDOW_NORMAL, WindowMin = IDM_WINDOW_MIN;
inline constexpr unsigned HexValues = IDM_HEX_VALUES, Coordinates = IDM_COORDINATES, HsvCmyk = IDM_HSV_CMYK;
inline constexpr unsigned Help = IDM_HELP, Mixer = IDM_MIXER, AttachToCursor = IDM_ATTACH_TO_CURSOR;
inline constexpr unsigned PaletteNormal = IDM_PALETTE_NORMAL, PaletteWeb = IDM_PALETTE_WEB,
                          PaletteGray = IDM_PALETTE_GRAY, PaletteInvert = IDM_PALETTE_INVERT;
inline constexpr unsigned CopyFormatFirst = IDM_COPY_FORMAT;
inline constexpr unsigned RecentFirst = IDM_RECENT_FIRST, RecentLast = IDM_RECENT_LAST;
inline constexpr unsigned SampleFirst = IDM_SAMPLE_FIRST, SampleLast = IDM_SAMPLE_LAST;
inline constexpr unsigned Contrast = IDM_CONTRAST, FrozenKeys = IDM_FROZEN_KEYS, SavePalette = IDM_SAVE_PALETTE;
}  // namespace cmd
#endif
