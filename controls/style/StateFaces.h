#pragma once
// The hot, down and checked looks that the visual styles give to the
// two-half faces of the glow button and of the selector's drop button,
// written once for both. Every half runs vertically; the borders are the
// glow button's (the drop button has none of its own).
#include "controls/paint/GlowFace.h"

struct TStateFaces {
    TFaceColors Hot;
    TFaceColors Down;
    TFaceColors Checked;
};

// The office looks: a warm yellow under the pointer, orange when pressed,
// a paler orange when latched.
inline constexpr TStateFaces kOfficeStateFaces{
    {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB},
    {0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B},
    {0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE},
};

// The office 2003 looks of the drop button: the lower halves continue the
// upper halves' To colours.
inline constexpr TStateFaces kOffice2003StateFaces{
    {0xEBFDFF, 0xACECFF, 0xACECFF, 0xA4E9FF},
    {0x76AFF1, 0x4190F3, 0x4190F3, 0x4C9FFD},
    {},
};

// The Windows XP looks: one flat colour per look, the border in the
// selection colour.
inline constexpr TStateFaces kWindowsXPStateFaces{
    {0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, clHighlight},
    {0xB59284, 0xB59284, 0xB59284, 0xB59284, clHighlight},
    {0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC},
};
