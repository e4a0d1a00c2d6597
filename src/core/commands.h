// Menu command ids.
#pragma once

namespace cmd {
inline constexpr unsigned ShowHide = 32778;
inline constexpr unsigned Exit = 32781;
inline constexpr unsigned PipetteMin = 32782;
inline constexpr unsigned PipetteNormal = 32783;
inline constexpr unsigned PipetteMax = 32784;
inline constexpr unsigned HexValues = 32785;
inline constexpr unsigned WindowMax = 32786;
inline constexpr unsigned WindowNormal = 32787;
inline constexpr unsigned WindowMin = 32788;
inline constexpr unsigned Coordinates = 32792;
inline constexpr unsigned Help = 32793;
inline constexpr unsigned Mixer = 32794;
inline constexpr unsigned HsvCmyk = 32802;
inline constexpr unsigned PaletteNormal = 32804;
inline constexpr unsigned PaletteWeb = 32805;
inline constexpr unsigned PaletteGray = 32806;
inline constexpr unsigned PaletteInvert = 32807;
inline constexpr unsigned AttachToCursor = 32809;
// "Формат копирования": one item a format, in CopyFormat's order.
inline constexpr unsigned CopyFormatFirst = 32850;
inline constexpr unsigned CopyFormatLast = 32857;
// "Недавние цвета": the recent colours in list order, newest first.
inline constexpr unsigned RecentFirst = 32860;
inline constexpr unsigned RecentLast = 32869;
// "Размер пробы": 1 x 1, 3 x 3, 5 x 5.
inline constexpr unsigned SampleFirst = 32870;
inline constexpr unsigned SampleLast = 32872;
inline constexpr unsigned Contrast = 32875;
// "Клавиатура при заморозке": the arrow keys, Enter and Esc act while the panel is frozen.
inline constexpr unsigned FrozenKeys = 32876;
// "Сохранить как палитру…", at the end of "Недавние цвета".
inline constexpr unsigned SavePalette = 32877;
}  // namespace cmd
