#pragma once
// Every colour of the program, named once, as 0x00BBGGRR integers (0x0000FF is red). The
// canvas layer turns them into the toolkit's colours only when it paints.
#include <cstdint>

using TFarbe = std::uint32_t;

// Colours of objects, texts and axes.
namespace farbe {
inline constexpr TFarbe Schwarz = 0x000000;
inline constexpr TFarbe Weiss = 0xFFFFFF;
inline constexpr TFarbe Gelb = 0x00FFFF;
inline constexpr TFarbe Aqua = 0xFFFF00; // also called cyan
inline constexpr TFarbe Lime = 0x00FF00; // also called green
inline constexpr TFarbe Rot = 0x0000FF;
inline constexpr TFarbe Blau = 0xFF0000;
inline constexpr TFarbe Dunkelrot = 0x000080;
inline constexpr TFarbe Silber = 0xC0C0C0;
inline constexpr TFarbe Rechenhilfe = 0xD4EFF4; // the help dialog's background, RGB(244, 239, 212)
} // namespace farbe

// Background colours offered by the drawing window's colour squares.
namespace hintergrund {
inline constexpr TFarbe Hellgrau = 0xDDDDDD;
inline constexpr TFarbe Titelleiste = 0x6A240A; // the classic dark-blue active caption
inline constexpr TFarbe Blau = farbe::Blau;
inline constexpr TFarbe Kastanie = farbe::Dunkelrot;
inline constexpr TFarbe Schwarz = farbe::Schwarz;
inline constexpr TFarbe Weiss = farbe::Weiss;
} // namespace hintergrund
