#pragma once
// The band gradient: a rectangle filled from c1 towards c2 in n flat bands,
// left to right (horizontal) or top to bottom. Band i takes the colour
// c1 + round(i * (c2 - c1) / n) per channel, so the last band stops one step
// short of c2, which is never drawn. Each band is outlined and filled in its
// colour through the canvas' Rectangle; afterwards the canvas' pen and brush
// hold the last band's colour. n below 1 counts as 1 and n is capped at
// kMaxGradientBands so that no caller can make the fill run away.
#include "controls/paint/Canvas.h"
#include "controls/paint/Color.h"

#include <QPainter>

inline constexpr int kMaxGradientBands = 65536;

void FillBandGradient(TCanvas& canvas, TColor c1, TColor c2, bool horizontal, const TRect& rect, int n);
// The same on a bare painter (through a temporary canvas).
void FillBandGradient(QPainter& painter, TColor c1, TColor c2, bool horizontal, const TRect& rect, int n);

// One band of the gradient: its colour and its rectangle. Band i of n over
// rect, as FillBandGradient draws it; exposed for callers that need the same
// geometry without drawing.
struct TGradientBand {
    TColor Color;
    TRect Rect;
};
TGradientBand GradientBand(TColor c1, TColor c2, bool horizontal, const TRect& rect, int n, int i);
