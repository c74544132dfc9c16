#include "controls/paint/BandGradient.h"

#include <algorithm>
#include <cmath>

namespace {

int ClampBands(int n)
{
    return std::clamp(n, 1, kMaxGradientBands);
}

// Rounds to the nearest integer, halves to even.
long long RoundEven(double v)
{
    return static_cast<long long>(std::nearbyint(v));
}

} // namespace

TGradientBand GradientBand(TColor c1, TColor c2, bool horizontal, const TRect& rect, int n, int i)
{
    n = ClampBands(n);
    const TColor a = ColorToRGB(c1);
    const TColor b = ColorToRGB(c2);
    auto channel = [&](int ca, int cb) {
        return int(ca + RoundEven(double(i) * (cb - ca) / n));
    };
    TGradientBand band;
    band.Color = RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
        channel(GetBValue(a), GetBValue(b)));

    // The band's start is kept as an unsigned 16-bit value, its length is
    // the whole band size plus one pixel of overlap, cut at the far edge.
    const double s = horizontal ? double(rect.Right - rect.Left) / n : double(rect.Bottom - rect.Top) / n;
    const int start = int(static_cast<unsigned long long>(RoundEven(i * s)) & 0xFFFFu);
    const long long len = static_cast<long long>(std::trunc(s)) + 1;
    band.Rect = rect;
    if (horizontal) {
        band.Rect.Left = rect.Left + start;
        band.Rect.Right = int(std::min<long long>(rect.Right, rect.Left + start + len));
    } else {
        band.Rect.Top = rect.Top + start;
        band.Rect.Bottom = int(std::min<long long>(rect.Bottom, rect.Top + start + len));
    }
    return band;
}

void FillBandGradient(TCanvas& canvas, TColor c1, TColor c2, bool horizontal, const TRect& rect, int n)
{
    n = ClampBands(n);
    canvas.SetPenStyle(TPenStyle::psSolid);
    canvas.SetPenWidth(1);
    for (int i = 0; i < n; ++i) {
        const TGradientBand band = GradientBand(c1, c2, horizontal, rect, n, i);
        canvas.SetPenColor(band.Color);
        canvas.SetBrushColor(band.Color);
        canvas.Rectangle(band.Rect);
    }
}

void FillBandGradient(QPainter& painter, TColor c1, TColor c2, bool horizontal, const TRect& rect, int n)
{
    TCanvas canvas(painter);
    FillBandGradient(canvas, c1, c2, horizontal, rect, n);
}
