#include "controls/paint/Color.h"

#include <algorithm>
#include <array>

namespace {

// The fixed light palette that system colours resolve to, by index.
constexpr std::array<TColor, 31> kSystemPalette = {
    0xC8C8C8, // 0  scroll bar
    0x000000, // 1  desktop background
    0xD1B499, // 2  active caption
    0xDBCDBF, // 3  inactive caption
    0xF0F0F0, // 4  menu
    0xFFFFFF, // 5  window
    0x646464, // 6  window frame
    0x000000, // 7  menu text
    0x000000, // 8  window text
    0x000000, // 9  caption text
    0xB4B4B4, // 10 active border
    0xFCF7F4, // 11 inactive border
    0xABABAB, // 12 application workspace
    0xFF9933, // 13 highlight
    0xFFFFFF, // 14 highlight text
    0xF0F0F0, // 15 button face
    0xA0A0A0, // 16 button shadow
    0x6D6D6D, // 17 grey text
    0x000000, // 18 button text
    0x000000, // 19 inactive caption text
    0xFFFFFF, // 20 button highlight
    0x696969, // 21 3D dark shadow
    0xE3E3E3, // 22 3D light
    0x000000, // 23 tooltip text
    0xE1FFFF, // 24 tooltip background
    0x000000, // 25 (unused index)
    0xCC6600, // 26 hot-tracked item
    0xEAD1B9, // 27 active caption gradient
    0xF2E4D7, // 28 inactive caption gradient
    0xFF9933, // 29 menu highlight
    0xF0F0F0, // 30 menu bar
};

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr NamedColor kNamedColors[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
    {"clMedGray", clMedGray}, {"clNone", clNone}, {"clDefault", clDefault},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption}, {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu}, {"clWindow", clWindow}, {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText}, {"clWindowText", clWindowText}, {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder}, {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace}, {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText}, {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight}, {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk}, {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clMenuHighlight", clMenuHighlight}, {"clMenuBar", clMenuBar},
};

// num / 100 rounded to the nearest integer, halves to the even neighbour.
int DivideBy100HalfEven(int num)
{
    if (num < 0)
        return -DivideBy100HalfEven(-num);
    int q = num / 100;
    const int r = num % 100;
    if (r > 50 || (r == 50 && (q & 1)))
        ++q;
    return q;
}

} // namespace

TColor ColorToRGB(TColor c)
{
    if (IsSystemColor(c)) {
        const unsigned index = std::uint32_t(c) & 0xFFu;
        return index < kSystemPalette.size() ? kSystemPalette[index] : clBlack;
    }
    return TColor(std::uint32_t(c) & 0xFFFFFFu);
}

QColor ToQColor(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}

std::optional<TColor> ColorFromIdent(QStringView name)
{
    for (const auto& entry : kNamedColors) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.color;
    }
    return std::nullopt;
}

QString ColorToIdent(TColor c)
{
    for (const auto& entry : kNamedColors) {
        if (entry.color == c)
            return QString::fromLatin1(entry.name);
    }
    return {};
}

TColor BlendColor(TColor a, TColor b, int percent)
{
    if (percent >= 100)
        return a;
    if (percent <= 0)
        return b;
    const TColor ra = ColorToRGB(a);
    const TColor rb = ColorToRGB(b);
    auto mix = [percent](int ca, int cb) {
        return std::min(255, DivideBy100HalfEven(percent * ca + (100 - percent) * cb));
    };
    return RGB(mix(GetRValue(ra), GetRValue(rb)), mix(GetGValue(ra), GetGValue(rb)),
               mix(GetBValue(ra), GetBValue(rb)));
}

TColor DarkenColor(TColor c, int percentR, int percentG, int percentB)
{
    const TColor rgb = ColorToRGB(c);
    auto darken = [](int channel, int percent) {
        if (channel == 0)
            return std::clamp(percent, 0, 255);
        const int factor = std::min(100, 100 + percent);
        return std::clamp(DivideBy100HalfEven(factor * channel), 0, 255);
    };
    return RGB(darken(GetRValue(rgb), percentR), darken(GetGValue(rgb), percentG),
               darken(GetBValue(rgb), percentB));
}
