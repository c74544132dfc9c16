#pragma once
// The nine colour themes of the game: a visual style for the whole window
// (set on the application styler) plus a few colours of the program's own,
// laid on top of it: the status strip's gradient, the text gradient of the
// game's smooth labels, and for two themes the caption bar.
#include "controls/paint/Color.h"
#include "controls/style/VisualStyle.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class TAppStyler;
class TSmoothLabel;
class TStyledPanel;

struct TTheme {
    const char* Name; // the item of the theme selector
    TVisualStyle Style;
    // The status strip's two gradient halves.
    TColor Color;
    TColor ColorTo;
    TColor ColorMirror;
    TColor ColorMirrorTo;
};

// In selector order: theme number n is kThemes[n - 1].
inline constexpr std::array<TTheme, 9> kThemes = {{
    {"Luna", tsOffice2007Luna, 0xF9E6D7, 0xF8DCC7, 0xF5D0B3, 0xF7E0CD},
    {"Moonlight", tsOffice2007Silver, 0xEBE8E7, 0xC7BBB6, 0xBAB4AE, 0xAFABA5},
    {"Obsidian", tsOffice2007Obsidian, 0xA19F9E, 0x635F5E, 0x635F5E, 0x534D4B},
    {"Blue", tsOffice2003Blue, 0xD38355, 0x9C430F, 0x9C430F, 0x9C430F},
    {"Chrome", tsOffice2003Classic, 0xFFFFFF, 0xC9D1D5, 0xC9D1D5, 0xFFFFFF},
    {"Olive", tsOffice2003Olive, 0x81BFAE, 0x4D846E, 0x4D846E, 0x4D846E},
    {"Silver", tsOffice2003Silver, 0xE6D8D8, 0xB79B9D, 0xB79B9D, 0xB79B9D},
    {"Sandy", tsWhidbey, 0xEBEEEF, 0x7E9898, 0x7E9898, 0x7E9898},
    {"Flat", tsWindowsXP, 0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0},
}};

inline constexpr int kBlueTheme = 4;
inline constexpr int kChromeTheme = 5;
inline constexpr int kFlatTheme = 9;

// The text gradient of the game's labels: the usual one, and Blue's.
inline constexpr TColor kLabelGradientStart = 0xFFE09F;
inline constexpr TColor kLabelGradientEnd = clNavy;
inline constexpr TColor kBlueLabelGradientStart = 0xFFFFFF;
inline constexpr TColor kBlueLabelGradientEnd = 0xF0CAA6;

// Chrome's caption bar, and the caption text colour of Chrome and Flat.
inline constexpr TColor kChromeCaptionColor = 0xFFFFFF;
inline constexpr TColor kChromeCaptionColorTo = 0xC9D1D5;
inline constexpr TColor kDarkCaptionFontColor = 0x000000;

// The theme of a number, or nullptr outside 1 to 9.
const TTheme* ThemeByNumber(int number);
// The selector's items.
QStringList ThemeNames();

// The eighteen smooth labels that take CurrentWordLabel's text gradient, in
// the order they are given it.
extern const std::array<const char*, 18> kGameLabelNames;

// What a theme changes.
struct TThemeTargets {
    TAppStyler* AppStyler = nullptr;
    TStyledPanel* StatusPanel = nullptr;
    TStyledPanel* CaptionPanel = nullptr;
    TSmoothLabel* CurrentWordLabel = nullptr;
    std::vector<TSmoothLabel*> GameLabels; // kGameLabelNames, in order
};

// Applies theme `number`: the style first, then the theme's own colours, so
// that they win over what the style set. A number outside 1 to 9 (0 from
// the settings file) keeps the style and the status strip as they are and
// only resets the label gradient and the caption indent. Missing targets
// (nullptr) are skipped.
void ApplyTheme(int number, const TThemeTargets& targets);
