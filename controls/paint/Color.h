#pragma once
// The colour type of every control: an integer 0x00BBGGRR (blue in the high
// byte). clNone means "not drawn". System colours are 0xFF000000 plus the
// system colour index and are resolved to one fixed light palette when drawn.
#include <QColor>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

using TColor = std::int32_t;

constexpr TColor SystemColor(int index) { return TColor(0xFF000000u | unsigned(index)); }
constexpr bool IsSystemColor(TColor c) { return (std::uint32_t(c) & 0xFF000000u) == 0xFF000000u; }

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// Standard colours.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;

// System colours, by the platform's system colour index.
inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);
inline constexpr TColor clHotLight = SystemColor(26);
inline constexpr TColor clGradientActiveCaption = SystemColor(27);
inline constexpr TColor clGradientInactiveCaption = SystemColor(28);
inline constexpr TColor clMenuHighlight = SystemColor(29);
inline constexpr TColor clMenuBar = SystemColor(30);

constexpr int GetRValue(TColor c) { return int(std::uint32_t(c) & 0xFF); }
constexpr int GetGValue(TColor c) { return int((std::uint32_t(c) >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return int((std::uint32_t(c) >> 16) & 0xFF); }
constexpr TColor RGB(int r, int g, int b) { return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16)); }

// Resolves a system colour to the fixed palette; other colours keep their
// low 24 bits. clNone and clDefault resolve like any other value (to their
// low 24 bits), so callers test for clNone before resolving.
TColor ColorToRGB(TColor c);
// The resolved colour as an opaque QColor.
QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);

// "clRed", "clBtnFace", ... (case-insensitive) to the colour, or nothing.
std::optional<TColor> ColorFromIdent(QStringView name);
// The name of a named colour ("clRed"), or empty.
QString ColorToIdent(TColor c);

// Mixes A and B: P >= 100 gives A, P <= 0 gives B; otherwise each channel is
// p*a + (1-p)*b, rounded half to even and capped at 255.
TColor BlendColor(TColor a, TColor b, int percent);
// Darkens each channel by its own percentage (only darkening is possible;
// a channel that is 0 becomes max(0, percent)).
TColor DarkenColor(TColor c, int percentR, int percentG, int percentB);
